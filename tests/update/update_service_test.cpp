// The version check and the download against a real HTTPS server on 127.0.0.1.
#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <functional>
#include <mutex>
#include <thread>

#include "common/utf8_text.h"
#include "support/file_contents.h"
#include "support/local_http_server.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "update/http_get.h"
#include "update/update_checker.h"

namespace {

using test_support::ReadWholeFile;
using test_support::HttpAnswer;
using test_support::LocalHttpServer;
using update::UpdateChecker;

constexpr const char* kServicePath = "/cur/versions/updatecheck.php";

class VersionCheck : public testing::Test {
protected:
    void SetUp() override {
        checker_.SetQueryBase(common::Utf8ToWide(server_.Url(std::string(kServicePath) + "?product=")));
        checker_.SetInstalledVersion(L"2.5.0.5012");
        checker_.SetCaFile(LocalHttpServer::CaFile());
    }
    // One check against the answer body; the newer flag and the version text.
    std::tuple<bool, bool, std::wstring> Check(const std::string& body, int status = 200) {
        HttpAnswer answer;
        answer.body = body;
        answer.status = status;
        server_.Answer(kServicePath, answer);
        bool newer = false;
        std::wstring version;
        const bool ok = checker_.CheckForUpdate(newer, version);
        return {ok, newer, version};
    }
    LocalHttpServer server_;
    UpdateChecker checker_;
};

TEST_F(VersionCheck, TheRequest) {
    Check("<version>2.5.0.5012</version><url>u</url>");
    const auto requests = server_.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/cur/versions/updatecheck.php?product=almanaxium");
    EXPECT_EQ(requests[0].headers.at("user-agent"), "AlmanaxiumUpdater");
}

TEST_F(VersionCheck, NewerEqualAndOlder) {
    EXPECT_EQ(Check("<r><version>2.5.1.0</version><url>https://x/i</url></r>"),
              std::make_tuple(true, true, std::wstring(L"2.5.1.0")));
    EXPECT_EQ(checker_.DownloadAddress(), L"https://x/i");
    EXPECT_EQ(Check("<version>2.5.0.5012</version><url>u</url>"),
              std::make_tuple(true, false, std::wstring(L"2.5.0.5012")));
    EXPECT_EQ(Check("<version>2.4.9.9999</version><url>u</url>"),
              std::make_tuple(true, false, std::wstring(L"2.4.9.9999")));
    EXPECT_EQ(Check("<version>3</version><url>u</url>"), std::make_tuple(true, true, std::wstring(L"3")));
    // 2.6 reads as 2.6.6.6.
    EXPECT_EQ(Check("<version>2.6</version><url>u</url>"), std::make_tuple(true, true, std::wstring(L"2.6")));
    EXPECT_EQ(Check("<version> 2.6.0.1</version><url>u</url>"),
              std::make_tuple(true, true, std::wstring(L" 2.6.0.1")));
}

TEST_F(VersionCheck, ElementsInEitherOrderAndWhatCountsAsNoAnswer) {
    EXPECT_EQ(Check("<url>https://x/i2</url>noise<version>9.0</version>"),
              std::make_tuple(true, true, std::wstring(L"9.0")));
    EXPECT_EQ(checker_.DownloadAddress(), L"https://x/i2");
    // A greater version without a url is no new version.
    EXPECT_FALSE(std::get<1>(Check("<version>9.0</version>")));
    EXPECT_FALSE(std::get<0>(Check("<version>9.0</version>")));
    EXPECT_EQ(checker_.DownloadAddress(), L"https://x/i2") << "a failed check keeps the last address";
    EXPECT_FALSE(std::get<0>(Check("")));                                   // empty body
    EXPECT_FALSE(std::get<0>(Check("<version>9\xff</version><url>u</url>")));  // invalid UTF-8
    EXPECT_FALSE(std::get<0>(Check("<url>u</url>")));
    // An error status is no answer, even with a page delivered in full.
    EXPECT_FALSE(std::get<0>(Check("<html>Not found</html>", 404)));
    // The UTF-8 of the answer is decoded.
    EXPECT_EQ(std::get<2>(Check("<version>3 \xce\xb2</version><url>u</url>")), L"3 \u03b2");
}

TEST_F(VersionCheck, RefusedConnectionRecordsItsError) {
    checker_.SetQueryBase(L"https://127.0.0.1:" + std::to_wstring(LocalHttpServer::RefusingPort()) + L"/x?product=");
    bool newer = false;
    std::wstring version;
    EXPECT_FALSE(checker_.CheckForUpdate(newer, version));
    EXPECT_FALSE(newer);
    EXPECT_NE(checker_.LastError(), 0);
}

TEST_F(VersionCheck, BodyCutShortIsNoAnswer) {
    HttpAnswer answer;
    answer.body = "<version>9.0</version><url>https://x/i</url>";
    answer.cutAfterBytes = 12;
    server_.Answer(kServicePath, answer);
    bool newer = false;
    std::wstring version;
    EXPECT_FALSE(checker_.CheckForUpdate(newer, version));
    EXPECT_FALSE(newer);
    EXPECT_EQ(checker_.LastError(), 0) << "an answer came: no connection error is recorded";
}

// An exception from any callback ends the transfer as failed instead of unwinding through libcurl.
TEST(HttpGet, AnExceptionInACallbackEndsTheTransfer) {
    LocalHttpServer server;
    server.Answer("/body", {.body = std::string(100000, 'b'), .pieceSize = 10000,
                            .pauseBetweenPieces = std::chrono::milliseconds(20)});
    const auto fail = [] { throw std::runtime_error("from a callback"); };
    update::HttpGetCallbacks onHeaders, onData, cancelled;
    onHeaders.onHeaders = [&](std::int64_t) { fail(); };
    onData.onData = [&](const char*, std::size_t) -> bool { fail(); return true; };
    cancelled.cancelled = [&]() -> bool { fail(); return false; };
    for (const update::HttpGetCallbacks* callbacks : {&onHeaders, &onData, &cancelled}) {
        update::HttpGetResult result;
        EXPECT_NO_THROW(result = update::HttpGet(server.Url("/body"), *callbacks, {LocalHttpServer::CaFile()}));
        EXPECT_FALSE(result.complete);
        EXPECT_NE(result.errorCode, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Downloads
// ---------------------------------------------------------------------------------------------

// The progress window as the worker sees it, recording what it is told.
class RecordingSink : public update::DownloadProgressSink {
public:
    bool WindowExists() const override { return true; }
    bool Cancelled() const override { return cancelled_.load(); }
    void SendProgress(int percent) override {
        std::lock_guard<std::mutex> guard(mutex_);
        sent_.push_back(percent);
        if (cancelAtOrAbove_ >= 0 && percent >= cancelAtOrAbove_) cancelled_ = true;
    }
    void PostProgress(int percent) override {
        std::lock_guard<std::mutex> guard(mutex_);
        posted_.push_back(percent);
    }
    void PostFinished() override { finished_ = true; }

    void CancelAtOrAbove(int percent) { cancelAtOrAbove_ = percent; }
    void Cancel() { cancelled_ = true; }
    std::vector<int> Sent() {
        std::lock_guard<std::mutex> guard(mutex_);
        return sent_;
    }
    std::vector<int> Posted() {
        std::lock_guard<std::mutex> guard(mutex_);
        return posted_;
    }
    bool Finished() const { return finished_; }

private:
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int> cancelAtOrAbove_{-1};
    std::mutex mutex_;
    std::vector<int> sent_;
    std::vector<int> posted_;
};

class Download : public testing::Test {
protected:
    void SetUp() override { environment_.Set("TMPDIR", temp_.Path().c_str()); }

    // Starts one download of an answer, as the window would start it.
    void Start(UpdateChecker& checker, RecordingSink& sink, const HttpAnswer& answer,
               const std::string& path = "/installer") {
        server_.Answer(path, answer);
        HttpAnswer service;
        service.body = "<version>9.9</version><url>" + server_.Url(path) + "</url>";
        server_.Answer(kServicePath, service);
        checker.SetQueryBase(common::Utf8ToWide(server_.Url(std::string(kServicePath) + "?product=")));
        checker.SetInstalledVersion(L"2.5.0.5012");
        checker.SetCaFile(LocalHttpServer::CaFile());
        bool newer = false;
        std::wstring version;
        ASSERT_TRUE(checker.CheckForUpdate(newer, version));
        ASSERT_TRUE(checker.StartDownload(&sink));
    }

    // Runs one download of an answer to the end.
    void Run(UpdateChecker& checker, RecordingSink& sink, const HttpAnswer& answer,
             const std::string& path = "/installer") {
        Start(checker, sink, answer, path);
        checker.WaitForWorker();
    }

    static std::string Installer(std::size_t size) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
        return bytes;
    }

    // Where an installer from the path is saved: under the path's last segment.
    std::filesystem::path InstallerPath(const std::string& path = "/installer") const {
        return temp_.Path() / path.substr(path.rfind('/') + 1);
    }
    // Nothing at all was saved in the temporary folder.
    bool NothingSaved() const { return std::filesystem::is_empty(temp_.Path()); }

    test_support::TempFolder temp_;
    test_support::ScopedEnvironment environment_;
    LocalHttpServer server_;
};

// The last reported percentage belongs to the whole run of the program, so the tests of the progress
// reports need a process of their own, as CTest gives every test.
#define REQUIRE_FIRST_DOWNLOAD_OF_THE_RUN()                                                   \
    if (update::LastReportedPercentage() != 0) {                                              \
        GTEST_SKIP() << "needs the first download of its process (CTest runs each test alone)"; \
    }

TEST_F(Download, WithContentLengthInStepsOf25) {
    REQUIRE_FIRST_DOWNLOAD_OF_THE_RUN();
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    // Four pieces, each alone in its read (a pause longer than the worker's after a report): each
    // brings the download exactly 25 points on, and every one of them is reported.
    answer.body = Installer(40000);
    answer.pieceSize = 10000;
    answer.pauseBetweenPieces = std::chrono::milliseconds(600);
    Run(checker, sink, answer);
    EXPECT_EQ(sink.Sent(), (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(sink.Posted(), std::vector<int>{100});
    EXPECT_TRUE(sink.Finished());
    ASSERT_TRUE(checker.InstallerReady());
    EXPECT_EQ(checker.InstallerPath(), common::Utf8ToWide(InstallerPath().string()));
    EXPECT_EQ(ReadWholeFile(InstallerPath()), answer.body);
}

TEST_F(Download, CancelAfter75ThenASecondDownload) {
    REQUIRE_FIRST_DOWNLOAD_OF_THE_RUN();
    {
        UpdateChecker checker;
        RecordingSink sink;
        sink.CancelAtOrAbove(75);
        HttpAnswer answer;
        answer.body = Installer(400000);
        answer.pieceSize = 4000;
        answer.pauseBetweenPieces = std::chrono::milliseconds(2);
        Run(checker, sink, answer);
        ASSERT_FALSE(sink.Sent().empty());
        EXPECT_GE(sink.Sent().back(), 75);
        EXPECT_LT(sink.Sent().back(), 100);
        EXPECT_TRUE(sink.Posted().empty());   // no final report after a cancel
        EXPECT_FALSE(sink.Finished());        // nor the finished message
        EXPECT_FALSE(checker.InstallerReady());
        EXPECT_FALSE(std::filesystem::exists(InstallerPath()));
    }
    // The same run: the last reported percentage stays at the cancel's, so the only intermediate
    // report comes at 100; the final report still comes.
    const int last = update::LastReportedPercentage();
    ASSERT_GE(last, 75);
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(200000);
    answer.pieceSize = 10000;
    Run(checker, sink, answer);
    EXPECT_LE(sink.Sent().size(), 1u);
    for (const int percent : sink.Sent()) EXPECT_EQ(percent, 100);
    EXPECT_EQ(sink.Posted(), std::vector<int>{100});
    EXPECT_TRUE(checker.InstallerReady());
}

TEST_F(Download, WithoutContentLengthNoProgressButTheInstaller) {
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(150000);
    answer.sendContentLength = false;
    answer.pieceSize = 30000;
    // A package keeps its name, so that the desktop opens it with the package installer.
    const std::string package = "/get/almanaxium_2.6.0.0_amd64.deb";
    Run(checker, sink, answer, package);
    EXPECT_TRUE(sink.Sent().empty());
    EXPECT_TRUE(sink.Posted().empty());
    EXPECT_TRUE(sink.Finished());
    EXPECT_TRUE(checker.InstallerReady());
    EXPECT_EQ(checker.InstallerPath(), common::Utf8ToWide(InstallerPath(package).string()));
    EXPECT_EQ(ReadWholeFile(InstallerPath(package)), answer.body);
}

// What stands at the installer's name: the user's own old installer or link is replaced (a link is
// not written through), another user's file is left alone and nothing is saved. A new installer can
// be run by the user alone.
TEST_F(Download, WhatStandsAtTheInstallersName) {
    namespace fs = std::filesystem;
    const fs::path target = temp_.Path() / "elsewhere";
    struct Case {
        const char* name;
        bool needsRoot;  // giving a file away takes root
        std::function<void()> plant;
        bool saved;
    };
    const Case cases[] = {
        {"nothing", false, [] {}, true},
        {"an old installer, longer than the new one", false, [&] {
             std::ofstream(InstallerPath()) << "an old installer that is much longer than the new one";
         }, true},
        {"a link to another file", false, [&] { fs::create_symlink(target, InstallerPath()); }, true},
        {"a file of another user", true, [&] {
             std::ofstream(InstallerPath()) << "keep";
             ASSERT_EQ(::chown(InstallerPath().c_str(), 12345, 12345), 0);
         }, false},
        {"a link of another user", true, [&] {
             fs::create_symlink(target, InstallerPath());
             ASSERT_EQ(::lchown(InstallerPath().c_str(), 12345, 12345), 0);
         }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && ::geteuid() != 0) continue;
        fs::remove(InstallerPath());
        std::ofstream(target) << "keep";
        c.plant();
        const fs::file_status planted = fs::symlink_status(InstallerPath());
        UpdateChecker checker;
        RecordingSink sink;
        HttpAnswer answer;
        answer.body = "new";
        Run(checker, sink, answer);
        EXPECT_EQ(checker.InstallerReady(), c.saved);
        EXPECT_EQ(ReadWholeFile(target), "keep");
        if (c.saved) {
            EXPECT_EQ(fs::symlink_status(InstallerPath()).type(), fs::file_type::regular);
            EXPECT_EQ(ReadWholeFile(InstallerPath()), "new");
            EXPECT_EQ(fs::status(InstallerPath()).permissions(), fs::perms::owner_all);
        } else {
            EXPECT_EQ(fs::symlink_status(InstallerPath()).type(), planted.type());
            EXPECT_EQ(ReadWholeFile(InstallerPath()), "keep");
        }
    }
}

TEST_F(Download, AnErrorStatusIsNotAnInstaller) {
    // A page of any status but 2xx, a redirection without its address (300) included.
    for (const int status : {500, 404, 300}) {
        UpdateChecker checker;
        RecordingSink sink;
        Run(checker, sink, {.status = status, .body = Installer(1000)}, "/status" + std::to_string(status));
        EXPECT_TRUE(sink.Finished()) << status;
        EXPECT_FALSE(checker.InstallerReady()) << status;
        EXPECT_TRUE(NothingSaved()) << status;
    }
}

TEST_F(Download, ARedirectToPlainHttpSavesNothing) {
    LocalHttpServer plain(test_support::Transport::kPlain);
    plain.Answer("/installer", {.body = Installer(1000)});
    UpdateChecker checker;
    RecordingSink sink;
    Run(checker, sink, {.status = 302, .location = plain.Url("/installer")}, "/moved");
    EXPECT_TRUE(sink.Finished());
    EXPECT_FALSE(checker.InstallerReady());
    EXPECT_TRUE(NothingSaved());
    EXPECT_TRUE(plain.Requests().empty());
}

TEST_F(Download, CutConnectionAndRefusedAddressSaveNothing) {
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(100000);
    answer.cutAfterBytes = 40000;
    Run(checker, sink, answer);
    EXPECT_TRUE(sink.Finished());
    EXPECT_FALSE(checker.InstallerReady());
    EXPECT_FALSE(std::filesystem::exists(InstallerPath()));
}

TEST_F(Download, AFailedWriteLeavesNoInstaller) {
    // The process may write files of at most 1000 bytes: the installer's write fails half-way.
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(50000);
    {
        test_support::ScopedFileSizeLimit limit(1000);
        ASSERT_TRUE(limit.Active());
        Run(checker, sink, answer);
    }
    EXPECT_TRUE(sink.Finished());
    EXPECT_FALSE(checker.InstallerReady());
    EXPECT_FALSE(std::filesystem::exists(InstallerPath()));
    for (const auto& entry : std::filesystem::directory_iterator(temp_.Path())) {
        ADD_FAILURE() << "left behind: " << entry.path();
    }
}

TEST_F(Download, NoRoomForTheInstallerEndsTheWorkerWithItsMessage) {
    UpdateChecker checker;
    checker.Job().maxBytes = 10000;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(50000);
    answer.pieceSize = 5000;
    Run(checker, sink, answer);
    EXPECT_TRUE(sink.Finished());
    EXPECT_FALSE(checker.InstallerReady());
    // An installer of exactly the largest size is whole.
    UpdateChecker fits;
    fits.Job().maxBytes = 50000;
    RecordingSink sink2;
    Run(fits, sink2, answer);
    EXPECT_TRUE(fits.InstallerReady());
}

TEST_F(Download, ABodyLongerThanItsLengthGivesTheAnnouncedBytesOnly) {
    // HTTP ends the message at its length: what follows is not part of the installer, and the
    // percentages never pass 100.
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(60000);
    answer.announcedLength = 20000;
    Run(checker, sink, answer);
    EXPECT_TRUE(sink.Finished());
    ASSERT_TRUE(checker.InstallerReady());
    EXPECT_EQ(ReadWholeFile(InstallerPath()), answer.body.substr(0, 20000));
    for (const int percent : sink.Sent()) EXPECT_LE(percent, 100);
    for (const int percent : sink.Posted()) EXPECT_LE(percent, 100);
}

TEST_F(Download, AServerThatNeverAnswersCanBeCancelled) {
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer silent;
    silent.neverAnswer = true;
    ASSERT_NO_FATAL_FAILURE(Start(checker, sink, silent, "/silent"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(checker.DownloadRunning()) << "still waiting for the first byte";
    sink.Cancel();
    const auto start = std::chrono::steady_clock::now();
    checker.WaitForWorker();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_FALSE(checker.InstallerReady());
    EXPECT_FALSE(sink.Finished()) << "a cancelled worker posts nothing to a window that is gone";
}

TEST_F(Download, ATemporaryFolderThatCannotBeWrittenGivesNoInstaller) {
    // A folder without write permission; root passes over permissions, so there /proc/self stands in.
    std::filesystem::path locked = temp_.Path() / "locked";
    std::filesystem::create_directory(locked);
    using std::filesystem::perms;
    std::filesystem::permissions(locked, perms::owner_read | perms::owner_exec);
    const bool permissionsBind = ::access(locked.c_str(), W_OK) != 0;
    if (!permissionsBind) locked = "/proc/self";
    environment_.Set("TMPDIR", locked.c_str());
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer answer;
    answer.body = Installer(30000);
    Run(checker, sink, answer);
    EXPECT_TRUE(sink.Finished()) << "the window is told the worker has ended";
    EXPECT_FALSE(checker.InstallerReady());
    EXPECT_TRUE(checker.InstallerPath().empty());
    if (permissionsBind) {
        EXPECT_TRUE(std::filesystem::is_empty(locked));
        std::filesystem::permissions(locked, perms::owner_all);
    }
}

TEST_F(Download, NoSecondWorkerWhileOneRuns) {
    UpdateChecker checker;
    RecordingSink sink;
    HttpAnswer slow;
    slow.body = Installer(100000);
    slow.pieceSize = 1000;
    slow.pauseBetweenPieces = std::chrono::milliseconds(5);
    ASSERT_NO_FATAL_FAILURE(Start(checker, sink, slow, "/slow"));
    EXPECT_TRUE(checker.DownloadRunning());
    RecordingSink second;
    EXPECT_FALSE(checker.StartDownload(&second));
    // Cancelling ends the worker promptly.
    sink.Cancel();
    const auto start = std::chrono::steady_clock::now();
    checker.WaitForWorker();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(checker.DownloadRunning());
    EXPECT_FALSE(checker.InstallerReady());
}

}  // namespace
