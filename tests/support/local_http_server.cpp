#include "local_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <stdexcept>

namespace test_support {

namespace {

// The key and self-signed certificate for 127.0.0.1 that every TLS server of the process uses, made
// once; the certificate is also written to a PEM file for the clients to trust.
struct Identity {
    EVP_PKEY* key = nullptr;
    X509* certificate = nullptr;
    SSL_CTX* context = nullptr;
    std::string caFile;
};

Identity MakeIdentity() {
    Identity identity;
    identity.key = EVP_EC_gen("P-256");
    X509* certificate = X509_new();
    if (identity.key == nullptr || certificate == nullptr) throw std::runtime_error("cannot make a key");
    X509_set_version(certificate, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
    X509_gmtime_adj(X509_getm_notBefore(certificate), -3600);
    X509_gmtime_adj(X509_getm_notAfter(certificate), 7 * 86400);
    X509_set_pubkey(certificate, identity.key);
    X509_NAME* name = X509_get_subject_name(certificate);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"),
                               -1, -1, 0);
    X509_set_issuer_name(certificate, name);
    X509V3_CTX extensions;
    X509V3_set_ctx_nodb(&extensions);
    X509V3_set_ctx(&extensions, certificate, certificate, nullptr, nullptr, 0);
    for (const auto& [nid, value] : {std::pair{NID_subject_alt_name, "IP:127.0.0.1"},
                                     std::pair{NID_basic_constraints, "critical,CA:TRUE"}}) {
        X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &extensions, nid, value);
        if (extension == nullptr) throw std::runtime_error("cannot make a certificate extension");
        X509_add_ext(certificate, extension, -1);
        X509_EXTENSION_free(extension);
    }
    if (X509_sign(certificate, identity.key, EVP_sha256()) == 0) throw std::runtime_error("cannot sign");
    identity.certificate = certificate;

    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("almanaxium-test-ca-" + std::to_string(::getpid()) + ".pem");
    FILE* out = std::fopen(file.c_str(), "w");
    if (out == nullptr || PEM_write_X509(out, certificate) == 0) throw std::runtime_error("cannot write the CA");
    std::fclose(out);
    identity.caFile = file.string();
    static const std::string removeAtExit = identity.caFile;
    std::atexit([] { std::remove(removeAtExit.c_str()); });

    identity.context = SSL_CTX_new(TLS_server_method());
    if (identity.context == nullptr || SSL_CTX_use_certificate(identity.context, certificate) != 1 ||
        SSL_CTX_use_PrivateKey(identity.context, identity.key) != 1) {
        throw std::runtime_error("cannot set up TLS");
    }
    // A client that goes away mid-answer is an ordinary case here, not a reason to end the tests.
    std::signal(SIGPIPE, SIG_IGN);
    return identity;
}

const Identity& TheIdentity() {
    static const Identity identity = MakeIdentity();
    return identity;
}

// One accepted connection, plain or TLS.
class Channel {
public:
    Channel(int socket, bool tls) : socket_(socket) {
        if (!tls) return;
        // A client that never completes its handshake does not hold the server for long.
        timeval limit{5, 0};
        ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        ssl_ = SSL_new(TheIdentity().context);
        SSL_set_fd(ssl_, socket);
        if (SSL_accept(ssl_) != 1) {
            SSL_free(ssl_);
            ssl_ = nullptr;
            failed_ = true;
        }
    }
    ~Channel() {
        if (ssl_ != nullptr) {
            SSL_shutdown(ssl_);  // the close_notify: the end of the stream is a real end
            SSL_free(ssl_);
        }
        ::shutdown(socket_, SHUT_WR);
        ::close(socket_);
    }
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

    bool Failed() const { return failed_; }
    bool Readable() const {
        if (ssl_ != nullptr && SSL_pending(ssl_) > 0) return true;
        pollfd waiting{socket_, POLLIN, 0};
        return ::poll(&waiting, 1, 100) > 0;
    }
    ssize_t Receive(char* buffer, std::size_t size) {
        if (ssl_ == nullptr) return ::recv(socket_, buffer, size, 0);
        return SSL_read(ssl_, buffer, static_cast<int>(size));
    }
    bool SendAll(const char* data, std::size_t size) {
        while (size > 0) {
            const ssize_t n = ssl_ != nullptr ? SSL_write(ssl_, data, static_cast<int>(size))
                                              : ::send(socket_, data, size, MSG_NOSIGNAL);
            if (n <= 0) return false;
            data += n;
            size -= static_cast<std::size_t>(n);
        }
        return true;
    }

private:
    int socket_;
    SSL* ssl_ = nullptr;
    bool failed_ = false;
};

std::string ReasonOf(int status) {
    switch (status) {
        case 200: return "OK";
        case 301: return "Moved Permanently";
        case 302: return "Found";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
    }
}

}  // namespace

LocalHttpServer::LocalHttpServer(Transport transport) : transport_(transport) {
    if (transport_ == Transport::kTls) TheIdentity();
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
    return (transport_ == Transport::kTls ? "https://127.0.0.1:" : "http://127.0.0.1:") + std::to_string(port_) +
           pathAndQuery;
}

std::string LocalHttpServer::CaFile() { return TheIdentity().caFile; }

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

void LocalHttpServer::HandleConnection(int socket) {
    Channel connection(socket, transport_ == Transport::kTls);
    if (connection.Failed()) return;
    std::string request;
    char buffer[4096];
    while (request.find("\r\n\r\n") == std::string::npos) {
        if (!connection.Readable()) {
            if (stopping_) break;
            continue;
        }
        const ssize_t n = connection.Receive(buffer, sizeof buffer);
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
    if (!answer.location.empty()) head += "Location: " + answer.location + "\r\n";
    head += "\r\n";
    bool ok = connection.SendAll(head.data(), head.size());
    const std::size_t total = std::min(answer.body.size(), answer.cutAfterBytes);
    const std::size_t piece = answer.pieceSize == 0 ? std::max<std::size_t>(total, 1) : answer.pieceSize;
    for (std::size_t sent = 0; ok && sent < total && !stopping_; sent += piece) {
        ok = connection.SendAll(answer.body.data() + sent, std::min(piece, total - sent));
        if (answer.pauseBetweenPieces.count() > 0) std::this_thread::sleep_for(answer.pauseBetweenPieces);
    }
}

}  // namespace test_support
