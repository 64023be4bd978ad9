// A small HTTP/1.1 server on 127.0.0.1 for the update tests: each test says how it answers. It
// speaks TLS with a certificate for 127.0.0.1 made for this process, which a client trusts through
// CaFile(); a plain server stands for an address the update service must refuse.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

struct HttpAnswer {
    int status = 200;
    std::string body;
    bool sendContentLength = true;
    // The body goes out in pieces of this size with this pause between them.
    std::size_t pieceSize = 0;  // 0: in one piece
    std::chrono::milliseconds pauseBetweenPieces{0};
    // Closes the connection after this many body bytes (a connection cut in the middle).
    std::size_t cutAfterBytes = SIZE_MAX;
    // Announces this length instead of the body's (a body longer or shorter than announced).
    std::int64_t announcedLength = -1;
    // Accepts the connection but never answers, until the server stops.
    bool neverAnswer = false;
    // Sent as the Location header (with a status such as 302: a redirect).
    std::string location;
};

struct ReceivedRequest {
    std::string method;
    std::string target;  // path and query
    std::map<std::string, std::string> headers;  // names in lower case
};

enum class Transport { kTls, kPlain };

class LocalHttpServer {
public:
    explicit LocalHttpServer(Transport transport = Transport::kTls);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    // Answers a path (without its query) with an answer; other paths get 404.
    void Answer(const std::string& path, HttpAnswer answer);
    std::string Url(const std::string& pathAndQuery) const;
    std::uint16_t Port() const { return port_; }
    std::vector<ReceivedRequest> Requests() const;
    // The PEM file of the certificate every TLS server of this process shows: the one CA to trust.
    static std::string CaFile();

    // A port on 127.0.0.1 where nothing listens.
    static std::uint16_t RefusingPort();

private:
    void Serve();
    void HandleConnection(int connection);

    Transport transport_;
    int listener_ = -1;
    std::uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::map<std::string, HttpAnswer> answers_;
    std::vector<ReceivedRequest> requests_;
    std::vector<std::thread> connections_;
};

}  // namespace test_support
