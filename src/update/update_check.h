#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace tessaro {

enum class MessageIcon { error, information };

// What the update check needs from the window mode: its message boxes and
// the shell's "open". The window mode fills this in; tests record the calls.
struct UpdateDialogs {
    // A question with Yes and No buttons and a question icon; true for Yes.
    std::function<bool(const std::string& title, const std::string& text)> askYesNo;
    // A message with an OK button.
    std::function<void(MessageIcon icon, const std::string& title, const std::string& text)>
        showMessage;
    // Opens a web address in the browser; failures are not reported.
    std::function<void(const std::string& address)> openAddress;
};

// Reads the newest published version; "" when it cannot be had.
using VersionFetch = std::function<std::string()>;

// The vendor's version file over HTTP, with the product title as user agent.
std::string fetchVendorVersionText();

// The integer a text starts with: an optional sign and the leading digits;
// the first other character ends it, no digits give 0. Values beyond the
// 32-bit range are clamped.
int32_t leadingInteger(std::string_view text);

enum class UpdateOutcome { connectionProblem, newVersion, noNewVersion };

// 0 means the version could not be read; anything above the program's own
// version is newer.
UpdateOutcome updateOutcomeFor(int32_t latestVersion);

// Reads the newest version, tells the user what it found and, when a newer
// version exists and the user agrees, opens the product page.
UpdateOutcome checkForUpdate(const UpdateDialogs& dialogs,
                             const VersionFetch& fetchVersion = fetchVendorVersionText);

// Days between two scheduled questions for "Update Range"; nothing for 5
// ("Never"). Unknown values count as a month.
std::optional<int32_t> updateIntervalDays(int32_t updateRange);

// `localTimestamp` (seconds counted on the local wall clock) moved on by
// whole calendar days.
int64_t addCalendarDays(int64_t localTimestamp, int32_t days);

// True when the last scheduled question, general.updateDate, lies more than
// the update interval before `now`.
bool isUpdateQuestionDue(const Settings& settings, int64_t now);

enum class ScheduledCheck { notDue, declined, checked };

// The start-up check: when it is due, asks whether to check now, checks on
// Yes, and whatever the answer sets general.updateDate to `now`, so the next
// question comes one interval later. The window mode passes
// currentLocalTimestamp() as `now`; the new date reaches config.ini when the
// preferences are saved at shutdown.
ScheduledCheck scheduledUpdateCheck(Settings& settings, int32_t now, const UpdateDialogs& dialogs,
                                    const VersionFetch& fetchVersion = fetchVendorVersionText);

}  // namespace tessaro
