#include "marlog/number_prompt.h"

#include <cstdlib>
#include <string>

namespace rcv {

std::uint32_t InputNumberInRange(Console& console, std::uint32_t lower, std::uint32_t upper, std::string_view prompt) {
  for (;;) {
    console.out() << prompt;
    std::string answer;
    InputLine(console, answer, kNumberAnswerSize);  // at the end of input the answer stays empty
    StrToUpper(answer);
    if (answer.empty() || answer.front() == 'Q') {
      console.out() << '\n';
      return kNumberQuit;
    }
    char* end = nullptr;
    const unsigned long number = std::strtoul(answer.c_str(), &end, 10);
    if (*end == '\0' && number >= lower && number <= upper) return static_cast<std::uint32_t>(number);
  }
}

}  // namespace rcv
