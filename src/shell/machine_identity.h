// The identity block shown above the menu and at the top of saved RC text.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace rcv {

inline constexpr std::string_view kNotSet = "not set.";
// rcrev's first line is read with a buffer of this size.
inline constexpr std::size_t kRcRevLineSize = 128;

struct MachineIdentity {
  std::string modelName;
  std::string modelCode;
  std::string productCode;
  std::string modelFru;
  std::string confDir;
  std::string rcRev;
};

// Fills `identity` from the setup file and rcrev. Returns 1, or -1 after
// printing the reason to `out`.
int LoadMachineIdentity(MachineIdentity& identity, std::ostream& out);
int PrintIdentity(const MachineIdentity& identity, std::ostream& out);

}  // namespace rcv
