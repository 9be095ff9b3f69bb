#include <gtest/gtest.h>

#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include "settings/setting_codes.h"
#include "update/http_client.h"
#include "update/local_http_server.h"
#include "update/update_check.h"

namespace tessaro::test {
namespace {

using namespace std::chrono_literals;

// Records every message box and opened address; questions get `answer`.
struct DialogLog {
    explicit DialogLog(bool answerToQuestions = false) : answer(answerToQuestions) {}

    bool answer;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> opened;

    UpdateDialogs dialogs() {
        return {
            .askYesNo =
                [this](const std::string& title, const std::string& text) {
                    questions.push_back(title + ": " + text);
                    return answer;
                },
            .showMessage =
                [this](MessageIcon icon, const std::string& title, const std::string& text) {
                    messages.push_back((icon == MessageIcon::error ? "error " : "info ") + title +
                                       ": " + text);
                },
            .openAddress = [this](const std::string& address) { opened.push_back(address); },
        };
    }
};

VersionFetch serving(std::string text) {
    return [text] { return text; };
}

// Seconds of the local wall clock at the given calendar moment.
int64_t wallClock(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return timegm(&fields);
}

TEST(UpdateCheck, LeadingIntegerReadsSignAndLeadingDigits) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"271", 271},
        {"+27", 27},
        {"-12", -12},
        {"2.7", 2},
        {"300abc", 300},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {" 27", 0},
        {"0271", 271},
        {"99999999999", std::numeric_limits<int32_t>::max()},
        {"-99999999999", std::numeric_limits<int32_t>::min()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(leadingInteger(c.text), c.value) << c.text;
    }
}

TEST(UpdateCheck, NewerVersionOffersTheProductPage) {
    for (bool answer : {true, false}) {
        DialogLog log{answer};
        EXPECT_EQ(checkForUpdate(log.dialogs(), serving("271")), UpdateOutcome::newVersion);
        EXPECT_EQ(log.questions,
                  std::vector<std::string>{"New Update: A new version of Brimvale ICO to JPG is "
                                           "available! Are you ready to download it right now?"});
        EXPECT_TRUE(log.messages.empty());
        const std::vector<std::string> expected =
            answer ? std::vector<std::string>{"http://www.brimvale.example/tessaro/"}
                   : std::vector<std::string>{};
        EXPECT_EQ(log.opened, expected);
    }
}

TEST(UpdateCheck, SameOrOlderVersionReportsNoUpdate) {
    for (const char* text : {"270", "150", "2.7", "-5", "1"}) {
        DialogLog log;
        EXPECT_EQ(checkForUpdate(log.dialogs(), serving(text)), UpdateOutcome::noNewVersion);
        EXPECT_EQ(
            log.messages,
            std::vector<std::string>{"info No Update: There is no update of Brimvale ICO to JPG "
                                     "yet. You're using the most recent version."})
            << text;
        EXPECT_TRUE(log.questions.empty());
        EXPECT_TRUE(log.opened.empty());
    }
}

TEST(UpdateCheck, UnreadableVersionReportsConnectionProblems) {
    for (const char* text : {"", "abc", "0", "-0"}) {
        DialogLog log;
        EXPECT_EQ(checkForUpdate(log.dialogs(), serving(text)), UpdateOutcome::connectionProblem);
        EXPECT_EQ(log.messages,
                  std::vector<std::string>{"error Error: Internet connection problems!"})
            << text;
    }
}

TEST(UpdateCheck, VersionFileServedOverHttpIsCompared) {
    const struct {
        std::string body;
        UpdateOutcome outcome;
    } cases[] = {
        {"271", UpdateOutcome::newVersion},     {"270", UpdateOutcome::noNewVersion},
        {"150", UpdateOutcome::noNewVersion},   {"2.7.1", UpdateOutcome::noNewVersion},
        {" 300abc", UpdateOutcome::newVersion},
    };
    const HttpTimings quick{.connectTimeout = 2000ms, .pollInterval = 5ms, .answerTimeout = 2000ms};
    for (const auto& c : cases) {
        LocalHttpServer server{{{"HTTP/1.0 200 OK\r\n\r\n" + c.body}}};
        DialogLog log;
        const UpdateOutcome outcome = checkForUpdate(log.dialogs(), [&] {
            return httpGetText(server.url(), "Brimvale ICO to JPG 2.7", quick);
        });
        EXPECT_EQ(outcome, c.outcome) << c.body;
    }
}

TEST(UpdateCheck, IntervalTable) {
    const struct {
        int32_t range;
        std::optional<int32_t> days;
    } cases[] = {
        {storedCode(UpdateRange::daily), 1},
        {storedCode(UpdateRange::weekly), 7},
        {storedCode(UpdateRange::monthly), 30},
        {storedCode(UpdateRange::quarterly), 90},
        {storedCode(UpdateRange::halfYearly), 180},
        {storedCode(UpdateRange::never), {}},
        // Numbers that are no range ask monthly.
        {6, 30},
        {-1, 30},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(updateIntervalDays(c.range), c.days) << c.range;
    }
}

TEST(UpdateCheck, QuestionIsDueOnlyAfterTheWholeIntervalOfCalendarDays) {
    const struct {
        int32_t range;
        int64_t stored;
        int64_t now;
        bool due;
    } cases[] = {
        // 30 days from the last day of January end early in March.
        {storedCode(UpdateRange::monthly), wallClock(2027, 1, 31), wallClock(2027, 3, 2), false},
        {storedCode(UpdateRange::monthly), wallClock(2027, 1, 31), wallClock(2027, 3, 2, 12, 0, 1),
         true},
        {storedCode(UpdateRange::monthly), wallClock(2028, 1, 31), wallClock(2028, 3, 1, 12, 0, 1),
         true},
        {storedCode(UpdateRange::monthly), wallClock(2028, 1, 31), wallClock(2028, 3, 1), false},
        // A week across the end of the year.
        {storedCode(UpdateRange::weekly), wallClock(2026, 12, 28), wallClock(2027, 1, 4), false},
        {storedCode(UpdateRange::weekly), wallClock(2026, 12, 28), wallClock(2027, 1, 4, 12, 0, 1),
         true},
        {storedCode(UpdateRange::daily), wallClock(2027, 2, 28, 23, 59, 59),
         wallClock(2027, 3, 1, 23, 59, 59), false},
        {storedCode(UpdateRange::daily), wallClock(2027, 2, 28, 23, 59, 59), wallClock(2027, 3, 2),
         true},
        // Half a year past a date close to the end of the 32-bit range
        // must not wrap around into the past.
        {storedCode(UpdateRange::halfYearly), wallClock(2038, 1, 1), wallClock(2038, 1, 19), false},
        {storedCode(UpdateRange::never), wallClock(1990, 1, 1), wallClock(2027, 1, 1), false},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.general.updateRange = c.range;
        settings.general.updateDate = static_cast<int32_t>(c.stored);
        EXPECT_EQ(isUpdateQuestionDue(settings, c.now), c.due)
            << "range " << c.range << " stored " << c.stored << " now " << c.now;
    }
}

TEST(UpdateCheck, ScheduledCheckAsksOnceAndResetsTheDate) {
    const auto now = static_cast<int32_t>(wallClock(2027, 5, 10));
    for (bool answer : {true, false}) {
        Settings settings;
        settings.general.updateRange = storedCode(UpdateRange::weekly);
        settings.general.updateDate = static_cast<int32_t>(wallClock(2027, 5, 2));
        DialogLog log{answer};
        int fetches = 0;
        const VersionFetch fetch = [&] {
            ++fetches;
            return std::string{"270"};
        };
        EXPECT_EQ(scheduledUpdateCheck(settings, now, log.dialogs(), fetch),
                  answer ? ScheduledCheck::checked : ScheduledCheck::declined);
        EXPECT_EQ(settings.general.updateDate, now);
        EXPECT_EQ(log.questions,
                  std::vector<std::string>{"Check for Updates: Do you want to check for updates?"});
        EXPECT_EQ(fetches, answer ? 1 : 0);
        EXPECT_EQ(log.messages.size(), answer ? 1u : 0u);

        // The next start on the same day does not ask again.
        EXPECT_EQ(scheduledUpdateCheck(settings, now + 60, log.dialogs(), fetch),
                  ScheduledCheck::notDue);
        EXPECT_EQ(log.questions.size(), 1u);
    }
}

TEST(UpdateCheck, ScheduledCheckDateIsResetWhateverTheCheckFinds) {
    const auto now = static_cast<int32_t>(wallClock(2027, 5, 10));
    Settings settings;
    settings.general.updateRange = storedCode(UpdateRange::daily);
    settings.general.updateDate = static_cast<int32_t>(wallClock(2027, 5, 1));
    DialogLog log{true};
    scheduledUpdateCheck(settings, now, log.dialogs(), serving(""));
    EXPECT_EQ(log.messages, std::vector<std::string>{"error Error: Internet connection problems!"});
    EXPECT_EQ(settings.general.updateDate, now);
}

TEST(UpdateCheck, NeverRangeNeverAsksButTheManualCheckStillWorks) {
    Settings settings;
    settings.general.updateRange = storedCode(UpdateRange::never);
    settings.general.updateDate = static_cast<int32_t>(wallClock(2000, 1, 1));
    DialogLog log{true};
    EXPECT_EQ(scheduledUpdateCheck(settings, static_cast<int32_t>(wallClock(2027, 1, 1)),
                                   log.dialogs(), serving("271")),
              ScheduledCheck::notDue);
    EXPECT_TRUE(log.questions.empty());
    EXPECT_EQ(settings.general.updateDate, wallClock(2000, 1, 1));

    EXPECT_EQ(checkForUpdate(log.dialogs(), serving("271")), UpdateOutcome::newVersion);
    EXPECT_EQ(log.questions.size(), 1u);
}

}  // namespace
}  // namespace tessaro::test
