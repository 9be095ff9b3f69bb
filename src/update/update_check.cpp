#include "update/update_check.h"

#include <algorithm>
#include <limits>

#include "l10n/product_identity.h"
#include "l10n/string_table.h"
#include "settings/setting_codes.h"
#include "update/http_client.h"
#include "update/vendor_endpoints.h"

namespace tessaro {

std::string fetchVendorVersionText() {
    return httpGetText(versionFileAddress(), productTitle(productName, programVersion));
}

int32_t leadingInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = std::min<int64_t>(value * 10 + (c - '0'),
                                  int64_t{std::numeric_limits<int32_t>::max()} + 1);
    }
    if (negative) {
        return static_cast<int32_t>(-value);
    }
    return static_cast<int32_t>(std::min<int64_t>(value, std::numeric_limits<int32_t>::max()));
}

UpdateOutcome updateOutcomeFor(int32_t latestVersion) {
    if (latestVersion == 0) {
        return UpdateOutcome::connectionProblem;
    }
    if (latestVersion > programVersion) {
        return UpdateOutcome::newVersion;
    }
    return UpdateOutcome::noNewVersion;
}

UpdateOutcome checkForUpdate(const UpdateDialogs& dialogs, const VersionFetch& fetchVersion) {
    const UpdateOutcome outcome = updateOutcomeFor(leadingInteger(fetchVersion()));
    switch (outcome) {
        case UpdateOutcome::connectionProblem:
            dialogs.showMessage(MessageIcon::error, getText("Msg", "Error"),
                                getText("Msg", "Internet connection problems"));
            break;
        case UpdateOutcome::newVersion:
            if (dialogs.askYesNo(getText("Msg", "New Update"), getText("Msg", "New Update Text"))) {
                dialogs.openAddress(productPageAddress());
            }
            break;
        case UpdateOutcome::noNewVersion:
            dialogs.showMessage(MessageIcon::information, getText("Msg", "No Update"),
                                getText("Msg", "No Update Text"));
            break;
    }
    return outcome;
}

std::optional<int32_t> updateIntervalDays(int32_t updateRange) {
    // A number that is no range asks monthly, as the default range does.
    switch (codeOf<UpdateRange>(updateRange).value_or(UpdateRange::monthly)) {
        case UpdateRange::daily:
            return 1;
        case UpdateRange::weekly:
            return 7;
        case UpdateRange::monthly:
            return 30;
        case UpdateRange::quarterly:
            return 90;
        case UpdateRange::halfYearly:
            return 180;
        case UpdateRange::never:
            return std::nullopt;
    }
    return 30;
}

int64_t addCalendarDays(int64_t localTimestamp, int32_t days) {
    // The stamp counts seconds on the local wall clock, which has no
    // daylight-saving jumps, so every calendar day is exactly 86400 of them
    // and month and year ends need no special care.
    return localTimestamp + int64_t{days} * 86400;
}

bool isUpdateQuestionDue(const Settings& settings, int64_t now) {
    const std::optional<int32_t> interval = updateIntervalDays(settings.general.updateRange);
    return interval && now > addCalendarDays(settings.general.updateDate, *interval);
}

ScheduledCheck scheduledUpdateCheck(Settings& settings, int32_t now, const UpdateDialogs& dialogs,
                                    const VersionFetch& fetchVersion) {
    if (!isUpdateQuestionDue(settings, now)) {
        return ScheduledCheck::notDue;
    }
    const bool agreed = dialogs.askYesNo(getText("Msg", "Check for Updates"),
                                         getText("Msg", "Ask check for updates"));
    if (agreed) {
        checkForUpdate(dialogs, fetchVersion);
    }
    settings.general.updateDate = now;
    return agreed ? ScheduledCheck::checked : ScheduledCheck::declined;
}

}  // namespace tessaro
