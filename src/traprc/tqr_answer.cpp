#include "traprc/tqr_answer.h"

#include "shell/console.h"

namespace rcv {

std::string ReadTqrAnswer(Screen& screen, std::size_t size) {
  std::string answer;
  if (!InputLine(screen.console, answer, size)) answer.clear();
  StrToUpper(answer);
  screen.out() << '\n';
  return answer;
}

bool IsQuitAnswer(const std::string& answer) { return answer.empty() || answer[0] == 'Q'; }

}  // namespace rcv
