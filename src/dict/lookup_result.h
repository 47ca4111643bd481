// What a dictionary lookup came to: found (with the FRU rows counted),
// not found, or failed, and why. The integer faces of rc_lookup.h and
// preloaded_dictionary.h hand on code(), the run's own result.
#pragma once

namespace rcv {

enum class LookupOutcome { kFound, kNotFound, kFailed };

enum class LookupReason {
  kNone,               // found
  kNoEntry,            // the dictionary has no entry for the RC
  kScriptUnreadable,   // the script, or one EXEC reached, can't be opened
  kNotCollected,       // the run ended without counting FRU rows
  kTextTooShort,       // the RC text has too few digits to look up
  kDictionaryMissing,  // the preloaded dictionary can't be loaded
};

inline constexpr int kRunNoEntry = -3;
inline constexpr int kRunScriptUnreadable = -2;
inline constexpr int kRunTextTooShort = -1;
inline constexpr int kRunNotCollected = -99;

class [[nodiscard]] LookupResult {
 public:
  // The result of a run: the FRU row count, or one of the kRun codes.
  static LookupResult OfRun(int code) { return LookupResult(code); }

  LookupOutcome outcome() const {
    if (code_ >= 0) return LookupOutcome::kFound;
    return code_ == kRunNoEntry ? LookupOutcome::kNotFound : LookupOutcome::kFailed;
  }
  LookupReason reason() const {
    switch (code_) {
      case kRunNoEntry:
        return LookupReason::kNoEntry;
      case kRunScriptUnreadable:
        return LookupReason::kScriptUnreadable;
      case kRunTextTooShort:
        return LookupReason::kTextTooShort;
      case kRunNotCollected:
        return LookupReason::kNotCollected;
      default:
        return code_ >= 0 ? LookupReason::kNone : LookupReason::kDictionaryMissing;
    }
  }
  bool found() const { return code_ >= 0; }
  // The FRU rows found; 0 unless found.
  int rows() const { return code_ >= 0 ? code_ : 0; }
  int code() const { return code_; }

 private:
  explicit LookupResult(int code) : code_(code) {}
  int code_;
};

}  // namespace rcv
