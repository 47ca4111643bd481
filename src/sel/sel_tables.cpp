#include "sel/sel_tables.h"

#include <array>
#include <span>

namespace rcv {
namespace {

// Severity rules. Every record gets "OK", "Warning" or "Critical":
// - every deassertion is OK (kDeassertionSeverity);
// - threshold events: the non-critical offsets are Warning, the critical and
//   non-recoverable offsets are Critical;
// - generic and sensor-specific offsets: Critical where the machine is down
//   or in danger (processor IERR or thermal trip, power supply failure or
//   input lost, uncorrectable ECC, critical interrupts, watchdog resets and
//   power actions, boot errors, run-time OS stops, transitions to critical
//   or non-recoverable, redundancy lost), Warning where it is degraded or
//   predicts a failure (correctable errors, predictive failures, throttling,
//   intrusions and password violations, a log full or disabled, a device
//   absent, disabled or off line), OK for information (presence, a log
//   cleared, a clock sync, buttons, boot progress, state changes);
// - OEM records, unknown record types, and event types or offsets that
//   these tables do not name are Warning (kUnnamedSeverity).
// The row of each offset below states its severity; the rows are the
// offsets of the IPMI 2.0 tables 42-2 (generic) and 42-3 (sensor-specific).

constexpr Severity kOk = Severity::kOk;
constexpr Severity kWarn = Severity::kWarning;
constexpr Severity kCrit = Severity::kCritical;

// A row without text is an offset the standard reserves.
using Rows = std::span<const SelOffsetName>;

struct OffsetTable {
  std::uint8_t code;
  Rows rows;
};

constexpr SelOffsetName kThreshold[] = {
    {"Lower Non-critical going low", kWarn},    {"Lower Non-critical going high", kWarn},
    {"Lower Critical going low", kCrit},        {"Lower Critical going high", kCrit},
    {"Lower Non-recoverable going low", kCrit}, {"Lower Non-recoverable going high", kCrit},
    {"Upper Non-critical going low", kWarn},    {"Upper Non-critical going high", kWarn},
    {"Upper Critical going low", kCrit},        {"Upper Critical going high", kCrit},
    {"Upper Non-recoverable going low", kCrit}, {"Upper Non-recoverable going high", kCrit},
};

// Generic discrete event types.
constexpr SelOffsetName kUsageState[] = {
    {"Transition to Idle", kOk}, {"Transition to Active", kOk}, {"Transition to Busy", kOk}};
constexpr SelOffsetName kDigitalState[] = {{"State Deasserted", kOk}, {"State Asserted", kOk}};
constexpr SelOffsetName kPredictiveFailure[] = {{"Predictive Failure Deasserted", kOk},
                                                {"Predictive Failure Asserted", kWarn}};
constexpr SelOffsetName kLimit[] = {{"Limit Not Exceeded", kOk}, {"Limit Exceeded", kWarn}};
constexpr SelOffsetName kPerformance[] = {{"Performance Met", kOk}, {"Performance Lags", kWarn}};
constexpr SelOffsetName kSeverityState[] = {
    {"Transition to OK", kOk},
    {"Transition to Non-critical from OK", kWarn},
    {"Transition to Critical from less severe", kCrit},
    {"Transition to Non-recoverable from less severe", kCrit},
    {"Transition to Non-critical from more severe", kWarn},
    {"Transition to Critical from Non-recoverable", kCrit},
    {"Transition to Non-recoverable", kCrit},
    {"Monitor", kWarn},
    {"Informational", kOk},
};
constexpr SelOffsetName kPresence[] = {{"Device Absent", kWarn}, {"Device Present", kOk}};
constexpr SelOffsetName kEnable[] = {{"Device Disabled", kWarn}, {"Device Enabled", kOk}};
constexpr SelOffsetName kAvailability[] = {
    {"Transition to Running", kOk},    {"Transition to In Test", kOk},    {"Transition to Power Off", kOk},
    {"Transition to On Line", kOk},    {"Transition to Off Line", kWarn}, {"Transition to Off Duty", kOk},
    {"Transition to Degraded", kWarn}, {"Transition to Power Save", kOk}, {"Install Error", kWarn},
};
constexpr SelOffsetName kRedundancy[] = {
    {"Fully Redundant", kOk},
    {"Redundancy Lost", kCrit},
    {"Redundancy Degraded", kWarn},
    {"Non-Redundant: Sufficient from Redundant", kWarn},
    {"Non-Redundant: Sufficient from Insufficient", kWarn},
    {"Non-Redundant: Insufficient Resources", kCrit},
    {"Redundancy Degraded from Fully Redundant", kWarn},
    {"Redundancy Degraded from Non-Redundant", kWarn},
};
constexpr SelOffsetName kDevicePowerState[] = {
    {"D0 Power State", kOk}, {"D1 Power State", kOk}, {"D2 Power State", kOk}, {"D3 Power State", kOk}};

constexpr OffsetTable kGenericTables[] = {
    {0x02, kUsageState},   {0x03, kDigitalState},  {0x04, kPredictiveFailure}, {0x05, kLimit},
    {0x06, kPerformance},  {0x07, kSeverityState}, {0x08, kPresence},          {0x09, kEnable},
    {0x0A, kAvailability}, {0x0B, kRedundancy},    {0x0C, kDevicePowerState},
};

// Sensor-specific offsets, by sensor type.
constexpr SelOffsetName kPhysicalSecurity[] = {
    {"General Chassis intrusion", kWarn}, {"Drive Bay intrusion", kWarn},       {"I/O Card area intrusion", kWarn},
    {"Processor area intrusion", kWarn},  {"System unplugged from LAN", kWarn}, {"Unauthorized dock", kWarn},
    {"FAN area intrusion", kWarn},
};
constexpr SelOffsetName kPlatformSecurity[] = {
    {"Front Panel Lockout violation attempted", kWarn},
    {"Pre-boot password violation - user password", kWarn},
    {"Pre-boot password violation - setup password", kWarn},
    {"Pre-boot password violation - network boot password", kWarn},
    {"Other pre-boot password violation", kWarn},
    {"Out-of-band access password violation", kWarn},
};
constexpr SelOffsetName kProcessor[] = {
    {"IERR", kCrit},
    {"Thermal Trip", kCrit},
    {"FRB1/BIST failure", kCrit},
    {"FRB2/Hang in POST failure", kCrit},
    {"FRB3/Processor startup/init failure", kCrit},
    {"Configuration Error", kCrit},
    {"SM BIOS Uncorrectable CPU-complex Error", kCrit},
    {"Presence detected", kOk},
    {"Disabled", kWarn},
    {"Terminator presence detected", kOk},
    {"Throttled", kWarn},
    {"Uncorrectable machine check exception", kCrit},
    {"Correctable machine check error", kWarn},
};
constexpr SelOffsetName kPowerSupply[] = {
    {"Presence detected", kOk},      {"Failure detected", kCrit},        {"Predictive failure", kWarn},
    {"Power Supply AC lost", kCrit}, {"AC lost or out-of-range", kCrit}, {"AC out-of-range, but present", kWarn},
    {"Config Error", kWarn},         {"Power Supply Inactive", kWarn},
};
constexpr SelOffsetName kPowerUnit[] = {
    {"Power off/down", kOk},     {"Power cycle", kOk},
    {"240VA power down", kCrit}, {"Interlock power down", kCrit},
    {"AC lost", kCrit},          {"Soft-power control failure", kCrit},
    {"Failure detected", kCrit}, {"Predictive failure", kWarn},
};
constexpr SelOffsetName kMemory[] = {
    {"Correctable ECC", kWarn},
    {"Uncorrectable ECC", kCrit},
    {"Parity", kCrit},
    {"Memory Scrub Failed", kCrit},
    {"Memory Device Disabled", kWarn},
    {"Correctable ECC logging limit reached", kWarn},
    {"Presence Detected", kOk},
    {"Configuration Error", kWarn},
    {"Spare", kOk},
    {"Throttled", kWarn},
    {"Critical Overtemperature", kCrit},
};
constexpr SelOffsetName kDriveSlot[] = {
    {"Drive Present", kOk},
    {"Drive Fault", kCrit},
    {"Predictive Failure", kWarn},
    {"Hot Spare", kOk},
    {"Parity Check In Progress", kOk},
    {"In Critical Array", kCrit},
    {"In Failed Array", kCrit},
    {"Rebuild In Progress", kWarn},
    {"Rebuild Aborted", kWarn},
};
constexpr SelOffsetName kFirmwareProgress[] = {
    {"System Firmware Error", kWarn}, {"System Firmware Hang", kCrit}, {"System Firmware Progress", kOk}};
constexpr SelOffsetName kEventLogging[] = {
    {"Correctable memory error logging disabled", kWarn},
    {"Event logging disabled", kWarn},
    {"Log area reset/cleared", kOk},
    {"All event logging disabled", kWarn},
    {"Log full", kWarn},
    {"Log almost full", kWarn},
    {"Correctable machine check error logging disabled", kWarn},
};
constexpr SelOffsetName kWatchdog1[] = {
    {"BIOS Reset", kCrit},     {"OS Reset", kCrit},
    {"OS Shut Down", kCrit},   {"OS Power Down", kCrit},
    {"OS Power Cycle", kCrit}, {"OS NMI/Diag Interrupt", kCrit},
    {"OS Expired", kWarn},     {"OS pre-timeout Interrupt", kWarn},
};
constexpr SelOffsetName kSystemEvent[] = {
    {"System Reconfigured", kOk},
    {"OEM System boot event", kOk},
    {"Undetermined system hardware failure", kCrit},
    {"Entry added to auxiliary log", kOk},
    {"PEF Action", kOk},
    {"Timestamp Clock Sync", kOk},
};
constexpr SelOffsetName kCriticalInterrupt[] = {
    {"NMI/Diag Interrupt", kCrit},
    {"Bus Timeout", kCrit},
    {"I/O Channel check NMI", kCrit},
    {"Software NMI", kCrit},
    {"PCI PERR", kCrit},
    {"PCI SERR", kCrit},
    {"EISA failsafe timeout", kCrit},
    {"Bus Correctable error", kWarn},
    {"Bus Uncorrectable error", kCrit},
    {"Fatal NMI", kCrit},
    {"Bus Fatal Error", kCrit},
    {"Bus Degraded", kWarn},
};
constexpr SelOffsetName kButton[] = {{"Power Button pressed", kOk},
                                     {"Sleep Button pressed", kOk},
                                     {"Reset Button pressed", kOk},
                                     {"FRU Latch", kOk},
                                     {"FRU Service", kOk}};
constexpr SelOffsetName kChipSet[] = {{"Soft Power Control Failure", kCrit}, {"Thermal Trip", kCrit}};
constexpr SelOffsetName kCable[] = {{"Connected", kOk}, {"Config Error", kWarn}};
constexpr SelOffsetName kBootInitiated[] = {
    {"Initiated by power up", kOk},        {"Initiated by hard reset", kOk},
    {"Initiated by warm reset", kOk},      {"User requested PXE boot", kOk},
    {"Automatic boot to diagnostic", kOk}, {"OS initiated hard reset", kOk},
    {"OS initiated warm reset", kOk},      {"System Restart", kOk},
};
constexpr SelOffsetName kBootError[] = {
    {"No bootable media", kCrit},   {"Non-bootable disk in drive", kCrit},    {"PXE server not found", kCrit},
    {"Invalid boot sector", kCrit}, {"Timeout waiting for selection", kWarn},
};
constexpr SelOffsetName kOsBoot[] = {
    {"A: boot completed", kOk},
    {"C: boot completed", kOk},
    {"PXE boot completed", kOk},
    {"Diagnostic boot completed", kOk},
    {"CD-ROM boot completed", kOk},
    {"ROM boot completed", kOk},
    {"boot completed - device not specified", kOk},
    {"Installation started", kOk},
    {"Installation completed", kOk},
    {"Installation aborted", kWarn},
    {"Installation failed", kWarn},
};
constexpr SelOffsetName kOsStop[] = {
    {"Error during system startup", kCrit}, {"Run-time critical stop", kCrit},      {"OS graceful stop", kOk},
    {"OS graceful shutdown", kOk},          {"PEF initiated soft shutdown", kWarn}, {"Agent not responding", kWarn},
};
constexpr SelOffsetName kSlot[] = {
    {"Fault Status", kWarn},           {"Identify Status", kOk},
    {"Device Installed", kOk},         {"Ready for Device Installation", kOk},
    {"Ready for Device Removal", kOk}, {"Slot Power is Off", kOk},
    {"Device Removal Request", kOk},   {"Interlock", kOk},
    {"Slot is Disabled", kWarn},       {"Spare Device", kOk},
};
constexpr SelOffsetName kAcpiPowerState[] = {
    {"S0/G0: working", kOk},
    {"S1: sleeping with system hw & processor context maintained", kOk},
    {"S2: sleeping, processor context lost", kOk},
    {"S3: sleeping, processor & hw context lost, memory retained", kOk},
    {"S4: non-volatile sleep/suspend-to-disk", kOk},
    {"S5/G2: soft-off", kOk},
    {"S4/S5: soft-off", kOk},
    {"G3: mechanical off", kOk},
    {"Sleeping in S1/S2/S3 state", kOk},
    {"G1: sleeping", kOk},
    {"S5: entered by override", kOk},
    {"Legacy ON state", kOk},
    {"Legacy OFF state", kOk},
    {"", kWarn},
    {"Unknown", kOk},
};
constexpr SelOffsetName kWatchdog2[] = {
    {"Timer expired", kWarn},
    {"Hard reset", kCrit},
    {"Power down", kCrit},
    {"Power cycle", kCrit},
    {"", kWarn},
    {"", kWarn},
    {"", kWarn},
    {"", kWarn},
    {"Timer interrupt", kWarn},
};
constexpr SelOffsetName kPlatformAlert[] = {
    {"Platform generated page", kOk},
    {"Platform generated LAN alert", kOk},
    {"Platform Event Trap generated", kOk},
    {"Platform generated SNMP trap, OEM format", kOk},
};
constexpr SelOffsetName kEntityPresence[] = {{"Present", kOk}, {"Absent", kWarn}, {"Disabled", kWarn}};
constexpr SelOffsetName kLan[] = {{"Heartbeat Lost", kWarn}, {"Heartbeat", kOk}};
constexpr SelOffsetName kManagementHealth[] = {
    {"Sensor access degraded or unavailable", kWarn},
    {"Controller access degraded or unavailable", kWarn},
    {"Management controller off-line", kWarn},
    {"Management controller unavailable", kWarn},
    {"Sensor failure", kWarn},
    {"FRU failure", kCrit},
};
constexpr SelOffsetName kBattery[] = {{"Low", kWarn}, {"Failed", kCrit}, {"Presence Detected", kOk}};
constexpr SelOffsetName kSessionAudit[] = {
    {"Session Activated", kOk},
    {"Session Deactivated", kOk},
    {"Invalid Username or Password", kWarn},
    {"Invalid password disable", kWarn},
};
constexpr SelOffsetName kVersionChange[] = {
    {"Hardware change detected", kOk},
    {"Firmware or software change detected", kOk},
    {"Hardware incompatibility detected", kWarn},
    {"Firmware or software incompatibility detected", kWarn},
    {"Invalid or unsupported hardware version", kWarn},
    {"Invalid or unsupported firmware or software version", kWarn},
    {"Hardware change success", kOk},
    {"Firmware or software change success", kOk},
};
constexpr SelOffsetName kFruState[] = {
    {"Not Installed", kOk},
    {"Inactive", kOk},
    {"Activation Requested", kOk},
    {"Activation in Progress", kOk},
    {"Active", kOk},
    {"Deactivation Requested", kOk},
    {"Deactivation in Progress", kOk},
    {"Communication lost", kWarn},
};

constexpr OffsetTable kSensorSpecificTables[] = {
    {0x05, kPhysicalSecurity},
    {0x06, kPlatformSecurity},
    {0x07, kProcessor},
    {0x08, kPowerSupply},
    {0x09, kPowerUnit},
    {0x0C, kMemory},
    {0x0D, kDriveSlot},
    {0x0F, kFirmwareProgress},
    {0x10, kEventLogging},
    {0x11, kWatchdog1},
    {0x12, kSystemEvent},
    {0x13, kCriticalInterrupt},
    {0x14, kButton},
    {0x19, kChipSet},
    {0x1B, kCable},
    {0x1D, kBootInitiated},
    {0x1E, kBootError},
    {0x1F, kOsBoot},
    {0x20, kOsStop},
    {0x21, kSlot},
    {0x22, kAcpiPowerState},
    {0x23, kWatchdog2},
    {0x24, kPlatformAlert},
    {0x25, kEntityPresence},
    {0x27, kLan},
    {0x28, kManagementHealth},
    {0x29, kBattery},
    {0x2A, kSessionAudit},
    {0x2B, kVersionChange},
    {0x2C, kFruState},
};

// Sensor types 0x00-0x2C; 0x00 is reserved.
constexpr std::array<std::string_view, 0x2D> kSensorTypeNames = {
    "",
    "Temperature",
    "Voltage",
    "Current",
    "Fan",
    "Physical Security",
    "Platform Security",
    "Processor",
    "Power Supply",
    "Power Unit",
    "Cooling Device",
    "Other",
    "Memory",
    "Drive Slot / Bay",
    "POST Memory Resize",
    "System Firmwares",
    "Event Logging Disabled",
    "Watchdog1",
    "System Event",
    "Critical Interrupt",
    "Button",
    "Module / Board",
    "Microcontroller",
    "Add-in Card",
    "Chassis",
    "Chip Set",
    "Other FRU",
    "Cable / Interconnect",
    "Terminator",
    "System Boot Initiated",
    "Boot Error",
    "OS Boot",
    "OS Critical Stop",
    "Slot / Connector",
    "System ACPI Power State",
    "Watchdog2",
    "Platform Alert",
    "Entity Presence",
    "Monitor ASIC",
    "LAN",
    "Management Subsys Health",
    "Battery",
    "Session Audit",
    "Version Change",
    "FRU State",
};

std::optional<SelOffsetName> RowAt(Rows rows, std::uint8_t offset) {
  if (offset >= rows.size() || rows[offset].text.empty()) return std::nullopt;
  return rows[offset];
}

std::optional<SelOffsetName> FindOffset(std::span<const OffsetTable> tables, std::uint8_t code, std::uint8_t offset) {
  for (const OffsetTable& table : tables) {
    if (table.code == code) return RowAt(table.rows, offset);
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> SensorTypeName(std::uint8_t sensorType) {
  if (sensorType >= kSensorTypeNames.size() || kSensorTypeNames[sensorType].empty()) return std::nullopt;
  return kSensorTypeNames[sensorType];
}

std::optional<SelOffsetName> ThresholdOffsetName(std::uint8_t offset) { return RowAt(kThreshold, offset); }

std::optional<SelOffsetName> GenericOffsetName(std::uint8_t eventType, std::uint8_t offset) {
  return FindOffset(kGenericTables, eventType, offset);
}

std::optional<SelOffsetName> SensorSpecificOffsetName(std::uint8_t sensorType, std::uint8_t offset) {
  return FindOffset(kSensorSpecificTables, sensorType, offset);
}

}  // namespace rcv
