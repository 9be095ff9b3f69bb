#include "platform/single_instance.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "support/program_runner.h"

namespace tessaro::test {
namespace {

namespace fs = std::filesystem;

constexpr uid_t otherUser = 65534;
constexpr const char* lockName = "Brimvale ICO to JPG 2.7.lock";

// Runs `body` in a child process as a second user and returns its result;
// -1 when the child could not become that user or did not end normally.
int asOtherUser(const std::function<int()>& body) {
    const pid_t child = fork();
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setresgid(otherUser, otherUser, otherUser) != 0 ||
            setresuid(otherUser, otherUser, otherUser) != 0)
            _exit(255);
        _exit(body());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 255 ? WEXITSTATUS(status) : -1;
}

fs::path privateFolderIn(const fs::path& temporaryFolder) {
    return temporaryFolder / ("tessaro-" + std::to_string(geteuid()));
}

// A scratch home whose temporary folder "tmp" every user may use, as /tmp.
struct LockScratch {
    ScratchHome home;
    fs::path temporary = home.root() / "tmp";

    LockScratch() {
        fs::permissions(home.root(),
                        fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        fs::create_directory(temporary);
        fs::permissions(temporary, fs::perms::all | fs::perms::sticky_bit);
    }
};

bool holdsLock(const Result<LockAttempt>& attempt) {
    return attempt && std::holds_alternative<SingleInstanceLock>(*attempt);
}

TEST(SingleInstanceLock, SecondLockIsRefusedUntilTheFirstIsReleased) {
    LockScratch scratch;
    Result<LockFolder> folder = openLockFolder(scratch.home.runtimeDir().string(), "");
    ASSERT_TRUE(folder);
    {
        const Result<LockAttempt> first = acquireLockFile(*folder, lockName);
        ASSERT_TRUE(holdsLock(first));
        const Result<LockAttempt> second = acquireLockFile(*folder, lockName);
        ASSERT_TRUE(second) << second.failure().reason;
        EXPECT_TRUE(std::holds_alternative<HeldByAnotherCopy>(*second));
    }
    EXPECT_TRUE(holdsLock(acquireLockFile(*folder, lockName)));
}

TEST(SingleInstanceLock, UnusableRuntimeFolderGivesWayToAPrivateTemporaryFolder) {
    LockScratch scratch;
    const fs::path root = scratch.home.root();
    fs::create_directory(root / "shared");
    fs::permissions(root / "shared", fs::perms::all);
    std::ofstream(root / "file") << "x";
    const std::vector<std::pair<std::string, fs::path>> cases = {
        {scratch.home.runtimeDir().string(), scratch.home.runtimeDir()},
        {scratch.home.runtimeDir().string() + "/", scratch.home.runtimeDir()},
        {"", privateFolderIn(scratch.temporary)},
        {"runtime", privateFolderIn(scratch.temporary)},
        {(root / "missing").string(), privateFolderIn(scratch.temporary)},
        {(root / "shared").string(), privateFolderIn(scratch.temporary)},
        {(root / "file").string(), privateFolderIn(scratch.temporary)},
    };
    for (const auto& [runtime, expected] : cases) {
        const Result<LockFolder> folder = openLockFolder(runtime, scratch.temporary.string());
        ASSERT_TRUE(folder) << runtime << ": " << folder.failure().reason;
        EXPECT_TRUE(fs::equivalent(folder->path, expected)) << runtime << " gave " << folder->path;
    }
    struct stat status {};
    ASSERT_EQ(stat(privateFolderIn(scratch.temporary).c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0700u);
}

TEST(SingleInstanceLock, SecondUserWithAReadOnlyRuntimeFolderLocksInTheirPrivateFolder) {
    if (geteuid() != 0)
        GTEST_SKIP() << "a second user needs root, and root ignores read-only modes";
    LockScratch scratch;
    const fs::path readOnly = scratch.home.root() / "read-only";
    fs::create_directory(readOnly);
    ASSERT_EQ(chown(readOnly.c_str(), otherUser, otherUser), 0);
    fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
    const fs::path expected = scratch.temporary / ("tessaro-" + std::to_string(otherUser));
    EXPECT_EQ(asOtherUser([&] {
                  const Result<LockFolder> folder =
                      openLockFolder(readOnly.string(), scratch.temporary.string());
                  if (!folder || folder->path != expected)
                      return 1;
                  return holdsLock(acquireLockFile(*folder, lockName)) ? 0 : 2;
              }),
              0);
    // With a temporary folder they may not write either, the message says so.
    const std::string refusal = "Cannot use the lock folder " + readOnly.string() + "/tessaro-" +
                                std::to_string(otherUser) + ": Permission denied";
    EXPECT_EQ(asOtherUser([&] {
                  const Result<LockFolder> folder =
                      openLockFolder(readOnly.string(), readOnly.string());
                  return !folder && folder.failure().reason == refusal ? 0 : 1;
              }),
              0);
}

TEST(SingleInstanceLock, AnotherUsersLockNeverRefusesOurs) {
    if (geteuid() != 0)
        GTEST_SKIP() << "a second user needs root";
    LockScratch scratch;
    Result<LockFolder> ours = openLockFolder("", scratch.temporary.string());
    ASSERT_TRUE(ours) << ours.failure().reason;
    const Result<LockAttempt> held = acquireLockFile(*ours, lockName);
    ASSERT_TRUE(holdsLock(held));
    EXPECT_EQ(asOtherUser([&] {
                  const Result<LockFolder> theirs = openLockFolder("", scratch.temporary.string());
                  return theirs && holdsLock(acquireLockFile(*theirs, lockName)) ? 0 : 1;
              }),
              0);
}

// Something other than the user's own private folder stands at its place.
struct FolderCase {
    const char* what;
    std::function<void(const fs::path& place, const fs::path& root)> plant;
    const char* why;
    bool needsRoot = false;
};

TEST(SingleInstanceLock, PrivateFolderThatIsNotTheUsersOwnIsRefusedWithTheCause) {
    const FolderCase cases[] = {
        {"symbolic link",
         [](const fs::path& place, const fs::path& root) {
             fs::create_directory(root / "elsewhere");
             fs::permissions(root / "elsewhere", fs::perms::owner_all);
             fs::create_directory_symlink(root / "elsewhere", place);
         },
         "a symbolic link"},
        {"dangling symbolic link",
         [](const fs::path& place, const fs::path& root) {
             fs::create_directory_symlink(root / "elsewhere", place);
         },
         "a symbolic link"},
        {"file", [](const fs::path& place, const fs::path&) { std::ofstream(place) << "x"; },
         "not a folder"},
        {"folder open to others",
         [](const fs::path& place, const fs::path&) {
             fs::create_directory(place);
             fs::permissions(place, fs::perms::owner_all | fs::perms::group_read |
                                        fs::perms::group_exec | fs::perms::others_read |
                                        fs::perms::others_exec);
         },
         "open to other users"},
        {"folder of another user",
         [](const fs::path& place, const fs::path&) {
             fs::create_directory(place);
             fs::permissions(place, fs::perms::owner_all);
             ASSERT_EQ(chown(place.c_str(), otherUser, otherUser), 0);
         },
         "owned by another user", true},
    };
    for (const FolderCase& row : cases) {
        if (row.needsRoot && geteuid() != 0)
            continue;  // only root can give a folder to another user
        LockScratch scratch;
        const fs::path place = privateFolderIn(scratch.temporary);
        row.plant(place, scratch.home.root());
        const Result<LockFolder> folder = openLockFolder("", scratch.temporary.string());
        ASSERT_FALSE(folder) << row.what;
        EXPECT_EQ(folder.failure().reason,
                  "Cannot use the lock folder " + place.string() + ": " + row.why)
            << row.what;
        EXPECT_FALSE(fs::exists(scratch.home.root() / "elsewhere" / lockName)) << row.what;
    }
}

TEST(SingleInstanceLock, LockFileThatIsNotTheUsersRegularFileIsRefusedWithTheCause) {
    const FolderCase cases[] = {
        {"FIFO", [](const fs::path& place, const fs::path&) { mkfifo(place.c_str(), 0600); },
         "not a regular file"},
        {"symbolic link",
         [](const fs::path& place, const fs::path& root) {
             fs::create_symlink(root / "planted", place);
         },
         "a symbolic link"},
        {"folder", [](const fs::path& place, const fs::path&) { fs::create_directory(place); },
         "Is a directory"},
        {"file of another user",
         [](const fs::path& place, const fs::path&) {
             std::ofstream(place) << "";
             ASSERT_EQ(chown(place.c_str(), otherUser, otherUser), 0);
         },
         "owned by another user", true},
    };
    for (const FolderCase& row : cases) {
        if (row.needsRoot && geteuid() != 0)
            continue;  // only root can give a file to another user
        LockScratch scratch;
        const fs::path place = scratch.home.runtimeDir() / lockName;
        row.plant(place, scratch.home.root());
        Result<LockFolder> folder = openLockFolder(scratch.home.runtimeDir().string(), "");
        ASSERT_TRUE(folder);
        const Result<LockAttempt> attempt = acquireLockFile(*folder, lockName);
        ASSERT_FALSE(attempt) << row.what;
        EXPECT_EQ(attempt.failure().reason,
                  "Cannot use the lock file " + place.string() + ": " + row.why)
            << row.what;
        EXPECT_FALSE(fs::exists(scratch.home.root() / "planted")) << row.what;
    }
}

}  // namespace
}  // namespace tessaro::test
