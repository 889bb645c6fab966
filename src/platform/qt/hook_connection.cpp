#include "platform/qt/hook_connection.h"

#include <iostream>

namespace orvik {

namespace {

constexpr int kConnectWaitMs = 200;

}  // namespace

HookConnection::HookConnection(Handlers handlers) : handlers_(std::move(handlers)) {
    connect(&socket_, &QLocalSocket::readyRead, this, [this] { ReadLines(); });
    connect(&socket_, &QLocalSocket::disconnected, this, [this] {
        if (handlers_.lost) handlers_.lost();
    });
}

bool HookConnection::Open() {
    if (IsOpen()) return true;
    path_ = hook::SocketPath();
    reader_ = {};
    socket_.abort();
    socket_.connectToServer(QString::fromStdString(path_));
    return socket_.waitForConnected(kConnectWaitMs);
}

void HookConnection::Close() {
    // Leaving on purpose is no loss to report.
    const QSignalBlocker quiet(&socket_);
    socket_.abort();
}

bool HookConnection::IsOpen() const { return socket_.state() == QLocalSocket::ConnectedState; }

void HookConnection::Send(const hook::Message& message) {
    if (!IsOpen()) return;
    const std::string line = hook::Encode(message);
    socket_.write(line.data(), static_cast<qint64>(line.size()));
    socket_.flush();
}

void HookConnection::ReadLines() {
    const QByteArray bytes = socket_.readAll();
    reader_.Feed(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
        [this](std::string_view line) { Handle(line); },
        [] { std::cerr << "orvik2004: dropped an oversized message from the key hook\n"; });
}

void HookConnection::Handle(std::string_view line) {
    const auto message = hook::Parse(line);
    if (!message) {
        std::cerr << "orvik2004: dropped a malformed message from the key hook\n";
        return;
    }
    if (const auto* key = std::get_if<hook::KeyUp>(&*message)) {
        if (handlers_.key) handlers_.key(*key);
    } else if (const auto* focus = std::get_if<hook::Focus>(&*message)) {
        if (handlers_.focus) handlers_.focus(*focus);
    } else if (const auto* gaveBack = std::get_if<hook::GaveBack>(&*message)) {
        if (handlers_.gaveBack) handlers_.gaveBack(*gaveBack);
    } else if (const auto* hello = std::get_if<hook::Hello>(&*message); hello && hello->version != hook::kVersion) {
        std::cerr << "orvik2004: the key hook speaks version " << hello->version << ", this program "
                  << hook::kVersion << "\n";
    }
}

}  // namespace orvik
