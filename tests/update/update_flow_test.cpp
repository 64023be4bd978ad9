// The steps of the update button against a real HTTPS server on 127.0.0.1; the installer is started
// through a recording starter.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <future>
#include <string>
#include <vector>

#include "common/utf8_text.h"
#include "program/program_version.h"
#include "support/local_http_server.h"
#include "support/scoped_environment.h"
#include "support/temp_folder.h"
#include "update/update_flow.h"

namespace {

using test_support::HttpAnswer;
using test_support::LocalHttpServer;

constexpr const char* kServicePath = "/cur/versions/updatecheck.php";

class RecordingStarter : public update::InstallerStarter {
public:
    bool StartInstaller(const std::wstring& path) override {
        started.push_back(path);
        if (failWith < 0) return true;
        errno = failWith;
        return false;
    }
    int failWith = -1;  // the errno of a failed start; -1: the start succeeds
    std::vector<std::wstring> started;
};

class CancellableSink : public update::DownloadProgressSink {
public:
    bool WindowExists() const override { return windowExists.load(); }
    bool Cancelled() const override { return cancelled.load(); }
    void SendProgress(int) override {}
    void PostProgress(int) override {}
    void PostFinished() override {}
    std::atomic<bool> cancelled{false};
    std::atomic<bool> windowExists{true};
};

class UpdateFlowTest : public testing::Test {
protected:
    void SetUp() override {
        environment_.Set("TMPDIR", temp_.Path().c_str());
        flow_.Checker().SetQueryBase(common::Utf8ToWide(server_.Url(std::string(kServicePath) + "?product=")));
        flow_.Checker().SetInstalledVersion(program::GetProgramVersion());
        flow_.Checker().SetCaFile(LocalHttpServer::CaFile());
    }
    void AnswerService(const std::string& body, int status = 200) {
        HttpAnswer answer;
        answer.body = body;
        answer.status = status;
        server_.Answer(kServicePath, answer);
    }
    // Checks against a service that offers an installer with this answer, and starts its download.
    void StartDownloadOf(const HttpAnswer& installer) {
        server_.Answer("/installer", installer);
        AnswerService("<version>9.0</version><url>" + server_.Url("/installer") + "</url>");
        ASSERT_TRUE(flow_.CheckForUpdate().offerUpdate);
        ASSERT_TRUE(flow_.StartDownload(&sink_).started);
    }

    test_support::TempFolder temp_;
    test_support::ScopedEnvironment environment_;
    LocalHttpServer server_;
    RecordingStarter starter_;
    CancellableSink sink_;
    update::UpdateFlow flow_{starter_};
};

// Where the check goes: to the HTTPS service, or to an address the check must not use or reach.
enum class Asked { kService, kUntrustedService, kNothingListens, kPlainHttp, kRedirectToPlainHttp };

TEST_F(UpdateFlowTest, TheCheckOffersANewerVersionSaysThereIsNoneOrWhyTheServiceWasNotAsked) {
    const std::wstring none = L"There is no new version available.";
    const std::wstring notReached = L"The update service could not be reached: ";
    const std::string valid = "<version>9.0</version><url>https://x/i</url>";
    const std::string atTheLimit = valid + std::string(update::kMaxAnswerBytes - valid.size(), ' ');
    const struct {
        Asked asked;
        HttpAnswer answer;
        bool offer;
        std::wstring latest;
        std::wstring message;
    } cases[] = {
        {Asked::kService, {.body = "<version>2.6.0.1</version><url>https://x/i</url>"}, true, L"2.6.0.1", L""},
        {Asked::kService, {.body = atTheLimit}, true, L"9.0", L""},
        {Asked::kService, {.body = "<version>2.5.0.5012</version><url>https://x/i</url>"}, false, L"2.5.0.5012", none},
        {Asked::kService, {.body = "<version>2.4</version><url>https://x/i</url>"}, false, L"2.4", none},
        {Asked::kNothingListens, {.body = valid}, false, L"", notReached + L"no connection to the service"},
        {Asked::kUntrustedService, {.body = valid}, false, L"", notReached + L"no connection to the service"},
        {Asked::kPlainHttp, {.body = valid}, false, L"", notReached + L"the address is not a secure (https) address"},
        {Asked::kRedirectToPlainHttp, {.body = valid}, false, L"",
         notReached + L"the address is not a secure (https) address"},
        {Asked::kService, {.status = 500, .body = valid}, false, L"", notReached + L"the service answered with an error"},
        {Asked::kService, {.status = 404, .body = "<html>Not Found</html>"}, false, L"",
         notReached + L"the service answered with an error"},
        {Asked::kService, {.status = 300, .body = valid}, false, L"", notReached + L"the service answered with an error"},
        {Asked::kService, {.body = valid, .cutAfterBytes = 12}, false, L"", notReached + L"the answer was cut short"},
        {Asked::kService, {.body = atTheLimit + " "}, false, L"", notReached + L"the answer was too large"},
        {Asked::kService, {.body = atTheLimit + " ", .sendContentLength = false}, false, L"",
         notReached + L"the answer was too large"},
        {Asked::kService, {.body = ""}, false, L"", notReached + L"the answer was empty"},
        {Asked::kService, {.body = "<version>9\xff</version><url>u</url>"}, false, L"",
         notReached + L"the answer was not readable text"},
        {Asked::kService, {.body = "<version>9.0</version>"}, false, L"9.0",
         notReached + L"the answer lacked the version or the download address"},
        {Asked::kService, {.body = "<url>https://x/i</url>"}, false, L"",
         notReached + L"the answer lacked the version or the download address"},
    };
    LocalHttpServer plain(test_support::Transport::kPlain);
    const std::string service = std::string(kServicePath) + "?product=";
    for (const auto& c : cases) {
        update::UpdateFlow flow(starter_);
        update::UpdateChecker& checker = flow.Checker();
        checker.SetInstalledVersion(program::GetProgramVersion());
        checker.SetCaFile(c.asked == Asked::kUntrustedService ? "" : LocalHttpServer::CaFile());
        checker.SetQueryBase(common::Utf8ToWide(server_.Url(service)));
        server_.Answer(kServicePath, c.answer);
        plain.Answer(kServicePath, c.answer);
        if (c.asked == Asked::kNothingListens) {
            checker.SetQueryBase(L"https://127.0.0.1:" + std::to_wstring(LocalHttpServer::RefusingPort()) +
                                 L"/x?product=");
        } else if (c.asked == Asked::kPlainHttp) {
            checker.SetQueryBase(common::Utf8ToWide(plain.Url(service)));
        } else if (c.asked == Asked::kRedirectToPlainHttp) {
            server_.Answer(kServicePath, {.status = 302, .location = plain.Url(service + "almanaxium")});
        }
        const update::CheckResult result = flow.CheckForUpdate();
        const std::string what = std::to_string(static_cast<int>(c.asked)) + " " + c.answer.body.substr(0, 60);
        EXPECT_EQ(result.offerUpdate, c.offer) << what;
        EXPECT_EQ(result.latestVersion, c.latest) << what;
        EXPECT_EQ(result.installedVersion, c.offer ? L"2.5.0.5012" : L"") << what;
        EXPECT_EQ(result.message, c.message) << what;
    }
    EXPECT_TRUE(plain.Requests().empty()) << "nothing goes to a plain HTTP address";
}

// An installer address that is not https is refused before any connection, as a failed download.
TEST_F(UpdateFlowTest, AnInstallerAddressThatIsNotHttpsIsAFailedDownload) {
    LocalHttpServer plain(test_support::Transport::kPlain);
    plain.Answer("/installer", {.body = "installer"});
    AnswerService("<version>9.0</version><url>" + plain.Url("/installer") + "</url>");
    ASSERT_TRUE(flow_.CheckForUpdate().offerUpdate);
    const update::DownloadStart start = flow_.StartDownload(&sink_);
    EXPECT_FALSE(start.started);
    EXPECT_EQ(start.message, L"Update failed.\nError code: 1");
    EXPECT_FALSE(flow_.DownloadRunning());
    EXPECT_TRUE(plain.Requests().empty());
}

TEST(UpdateTexts, NumberAndPercentage) {
    EXPECT_EQ(update::WithNumber(L"Update failed.\nError code: %1!d!", 110), L"Update failed.\nError code: 110");
    EXPECT_EQ(update::WithNumber(L"%1!d! and %1!d!", -1), L"-1 and %1!d!");
    EXPECT_EQ(update::WithNumber(L"no number", 5), L"no number");
    EXPECT_EQ(update::WithText(L"Not reached: %1", L"why"), L"Not reached: why");
    EXPECT_EQ(update::PercentageText(0), L"0 %");
    EXPECT_EQ(update::PercentageText(100), L"100 %");
}

TEST_F(UpdateFlowTest, ADownloadThatCannotStartGivesTheFailureWithTheLastError) {
    HttpAnswer silent;
    silent.neverAnswer = true;
    ASSERT_NO_FATAL_FAILURE(StartDownloadOf(silent));
    EXPECT_TRUE(flow_.DownloadRunning());
    flow_.Checker().SetLastError(28);
    CancellableSink second;
    const update::DownloadStart start = flow_.StartDownload(&second);
    EXPECT_FALSE(start.started);
    EXPECT_EQ(start.message, L"Update failed.\nError code: 28");
    int cancels = 0;
    flow_.StopDownload([&] {
        ++cancels;
        sink_.cancelled = true;
    });
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(flow_.DownloadRunning());
    flow_.StopDownload([&] { ++cancels; });
    EXPECT_EQ(cancels, 1) << "nothing runs: nothing to cancel";
}

// The installer timer: the installer starts once, when saved; a failed start is the last error.
TEST_F(UpdateFlowTest, TheTimerStartsTheSavedInstallerOnce) {
    const struct {
        int failWith;
        std::int32_t lastError;
    } cases[] = {{-1, 0}, {EACCES, EACCES}, {0, -1}};
    for (const auto& c : cases) {
        RecordingStarter starter;
        starter.failWith = c.failWith;
        update::UpdateFlow flow(starter);
        flow.Checker().SetQueryBase(common::Utf8ToWide(server_.Url(std::string(kServicePath) + "?product=")));
        flow.Checker().SetInstalledVersion(L"2.5.0.5012");
        flow.Checker().SetCaFile(LocalHttpServer::CaFile());
        HttpAnswer installer;
        installer.body = std::string(5000, 'I');
        server_.Answer("/installer", installer);
        AnswerService("<version>9.0</version><url>" + server_.Url("/installer") + "</url>");
        EXPECT_FALSE(flow.OnTimer(update::UpdateFlow::kInstallerTimer)) << "nothing saved yet";
        ASSERT_TRUE(flow.CheckForUpdate().offerUpdate);
        ASSERT_TRUE(flow.StartDownload(&sink_).started);
        flow.StopDownload([] {});  // awaits the end of the download
        ASSERT_TRUE(flow.Checker().InstallerReady());
        EXPECT_FALSE(flow.OnTimer(update::UpdateFlow::kInstallerTimer + 1)) << "another timer";
        EXPECT_TRUE(starter.started.empty());
        EXPECT_TRUE(flow.OnTimer(update::UpdateFlow::kInstallerTimer));
        EXPECT_FALSE(flow.OnTimer(update::UpdateFlow::kInstallerTimer));
        EXPECT_EQ(starter.started, std::vector<std::wstring>{flow.Checker().InstallerPath()});
        EXPECT_EQ(flow.Checker().LastError(), c.lastError) << c.failWith;
    }
}

// A progress window that could not be made: no worker starts for it, and a worker left waiting for
// its window ends on a cancel (the main window's close cancels, then joins).
TEST_F(UpdateFlowTest, AWindowThatNeverComesHoldsNoWorker) {
    server_.Answer("/installer", HttpAnswer{});
    AnswerService("<version>9.0</version><url>" + server_.Url("/installer") + "</url>");
    ASSERT_TRUE(flow_.CheckForUpdate().offerUpdate);
    sink_.windowExists = false;
    for (update::DownloadProgressSink* window : {static_cast<update::DownloadProgressSink*>(&sink_),
                                                 static_cast<update::DownloadProgressSink*>(nullptr)}) {
        const update::DownloadStart start = flow_.StartDownload(window);
        EXPECT_FALSE(start.started);
        EXPECT_EQ(start.message, L"Update failed.\nError code: -1");
        EXPECT_FALSE(flow_.DownloadRunning());
        flow_.StopDownload([this] { sink_.cancelled = true; });
    }

    update::DownloadJob job;
    job.checker = &flow_.Checker();
    job.progress = &sink_;
    job.downloadAddress = flow_.Checker().DownloadAddress();
    sink_.cancelled = true;
    auto worker = std::async(std::launch::async, [&job] { update::DownloadWorker(job); });
    const bool ended = worker.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    EXPECT_TRUE(ended) << "the worker still waits for its window after a cancel";
    sink_.windowExists = true;  // releases a worker that did not end, so that a failure does not hang
}

}  // namespace
