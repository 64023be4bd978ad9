#include "local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace test_support {

namespace {

bool SendAll(int socket, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(socket, data, size, MSG_NOSIGNAL);
        if (n <= 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string ReasonOf(int status) {
    switch (status) {
        case 200: return "OK";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener_, 16) != 0) {
        throw std::runtime_error("cannot listen on 127.0.0.1");
    }
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

LocalHttpServer::~LocalHttpServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    thread_.join();
    for (std::thread& connection : connections_) connection.join();
}

void LocalHttpServer::Answer(const std::string& path, HttpAnswer answer) {
    std::lock_guard<std::mutex> guard(mutex_);
    answers_[path] = std::move(answer);
}

std::string LocalHttpServer::Url(const std::string& pathAndQuery) const {
    return "http://127.0.0.1:" + std::to_string(port_) + pathAndQuery;
}

std::vector<ReceivedRequest> LocalHttpServer::Requests() const {
    std::lock_guard<std::mutex> guard(mutex_);
    return requests_;
}

std::uint16_t LocalHttpServer::RefusingPort() {
    // Bind a port, then let it go without listening: nothing answers there.
    const int probe = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

void LocalHttpServer::Serve() {
    while (!stopping_) {
        pollfd waiting{listener_, POLLIN, 0};
        if (::poll(&waiting, 1, 100) <= 0) continue;
        const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) continue;
        std::lock_guard<std::mutex> guard(mutex_);
        connections_.emplace_back([this, connection] { HandleConnection(connection); });
    }
}

void LocalHttpServer::HandleConnection(int connection) {
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        pollfd waiting{connection, POLLIN, 0};
        if (::poll(&waiting, 1, 100) <= 0) {
            if (stopping_) break;
            continue;
        }
        const ssize_t n = ::recv(connection, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        request.append(buffer, static_cast<std::size_t>(n));
    }
    ReceivedRequest received;
    std::istringstream lines(request);
    std::string line;
    std::getline(lines, line);
    std::istringstream first(line);
    first >> received.method >> received.target;
    while (std::getline(lines, line) && line != "\r") {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string name = line.substr(0, colon);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        std::string value = line.substr(colon + 1);
        while (!value.empty() && (value.front() == ' ')) value.erase(0, 1);
        while (!value.empty() && (value.back() == '\r' || value.back() == ' ')) value.pop_back();
        received.headers[name] = value;
    }
    HttpAnswer answer;
    answer.status = 404;
    {
        std::lock_guard<std::mutex> guard(mutex_);
        requests_.push_back(received);
        const std::string path = received.target.substr(0, received.target.find('?'));
        if (const auto found = answers_.find(path); found != answers_.end()) answer = found->second;
    }
    if (answer.neverAnswer) {
        while (!stopping_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ::close(connection);
        return;
    }
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " + ReasonOf(answer.status) +
                       "\r\nConnection: close\r\nContent-Type: application/octet-stream\r\n";
    if (answer.sendContentLength) {
        const std::int64_t length = answer.announcedLength >= 0
                                        ? answer.announcedLength
                                        : static_cast<std::int64_t>(answer.body.size());
        head += "Content-Length: " + std::to_string(length) + "\r\n";
    }
    head += "\r\n";
    bool ok = SendAll(connection, head.data(), head.size());
    const std::size_t total = std::min(answer.body.size(), answer.cutAfterBytes);
    const std::size_t piece = answer.pieceSize == 0 ? std::max<std::size_t>(total, 1) : answer.pieceSize;
    for (std::size_t sent = 0; ok && sent < total && !stopping_; sent += piece) {
        ok = SendAll(connection, answer.body.data() + sent, std::min(piece, total - sent));
        if (answer.pauseBetweenPieces.count() > 0) std::this_thread::sleep_for(answer.pauseBetweenPieces);
    }
    ::shutdown(connection, SHUT_WR);
    ::close(connection);
}

}  // namespace test_support
