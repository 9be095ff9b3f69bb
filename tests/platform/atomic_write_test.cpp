#include "platform/atomic_write.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <system_error>

#include "support/program_runner.h"

namespace tessaro {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

mode_t currentUmask() {
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

// Each row prepares the folder, replaces one name in it with "new" and
// checks the outcome: the failure's reason, or the file in place; either way
// nothing but the expected names remains in the folder.
TEST(ReplaceFileAtomically, ReplacesOrFailsLeavingNoTemporaryFile) {
    struct Row {
        const char* name;
        std::string target;  // a name in the folder
        std::function<void(const fs::path& folder)> arrange;
        std::string reason;  // empty when the file is replaced
        std::set<std::string> namesAfter;
        std::function<void(const fs::path& folder)> check;
    };
    const std::string longest(255, 'n');
    const Row rows[] = {
        {"a new file follows the umask",
         "new.txt",
         [](const fs::path&) {},
         "",
         {"new.txt"},
         [](const fs::path& folder) {
             EXPECT_EQ(fs::status(folder / "new.txt").permissions(),
                       fs::perms(0666 & ~currentUmask()));
         }},
        {"a replaced file keeps its permissions",
         "old.txt",
         [](const fs::path& folder) {
             std::ofstream(folder / "old.txt") << "old";
             fs::permissions(folder / "old.txt", fs::perms(0604));
         },
         "",
         {"old.txt"},
         [](const fs::path& folder) {
             EXPECT_EQ(fs::status(folder / "old.txt").permissions(), fs::perms(0604));
         }},
        {"a replaced file keeps its owner",
         "owned.txt",
         [](const fs::path& folder) {
             std::ofstream(folder / "owned.txt") << "old";
             fs::permissions(folder / "owned.txt", fs::perms(0640));
             if (geteuid() == 0) {
                 ASSERT_EQ(chown((folder / "owned.txt").c_str(), 65534, 65534), 0);
             }
         },
         "",
         {"owned.txt"},
         [](const fs::path& folder) {
             struct stat status {};
             ASSERT_EQ(stat((folder / "owned.txt").c_str(), &status), 0);
             const uid_t expected = geteuid() == 0 ? 65534 : geteuid();
             EXPECT_EQ(status.st_uid, expected);
             EXPECT_EQ(status.st_mode & 0777, 0640u);
         }},
        {"a link is replaced, its target untouched",
         "link.txt",
         [](const fs::path& folder) {
             std::ofstream(folder.parent_path() / "victim") << "victim";
             fs::permissions(folder.parent_path() / "victim", fs::perms(0600));
             fs::create_symlink(folder.parent_path() / "victim", folder / "link.txt");
         },
         "",
         {"link.txt"},
         [](const fs::path& folder) {
             EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folder / "link.txt")));
             EXPECT_EQ(contentOf(folder.parent_path() / "victim"), "victim");
             EXPECT_EQ(fs::status(folder / "link.txt").permissions(),
                       fs::perms(0666 & ~currentUmask()));
         }},
        {"a name of 255 bytes", longest, [](const fs::path&) {}, "", {longest}, {}},
        {"a name of 256 bytes",
         longest + "x",
         [](const fs::path&) {},
         std::generic_category().message(ENAMETOOLONG),
         {},
         {}},
        {"a folder in the way",
         "taken",
         [](const fs::path& folder) { fs::create_directory(folder / "taken"); },
         std::generic_category().message(EISDIR),
         {"taken"},
         [](const fs::path& folder) { EXPECT_TRUE(fs::is_directory(folder / "taken")); }},
        {"a missing folder",
         "missing/new.txt",
         [](const fs::path&) {},
         std::generic_category().message(ENOENT),
         {},
         {}},
    };
    test::ScratchHome scratch;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path folder = scratch.root() / "folder";
        fs::remove_all(folder);
        fs::create_directories(folder);
        row.arrange(folder);
        const Result<void> result = replaceFileAtomically((folder / row.target).string(), "new");
        if (row.reason.empty()) {
            EXPECT_TRUE(result.ok()) << result.failure().reason;
            EXPECT_EQ(contentOf(folder / row.target), "new");
        } else {
            ASSERT_FALSE(result.ok());
            EXPECT_EQ(result.failure().reason, row.reason);
        }
        EXPECT_EQ(namesIn(folder), row.namesAfter);
        if (row.check)
            row.check(folder);
    }
}

}  // namespace
}  // namespace tessaro
