#pragma once

#include <QTcpServer>

// A loopback port that nothing listens on: connections to it are refused.
inline quint16 closedLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// A loopback listener that takes connections and never answers a byte, like a server that
// hangs after the handshake. The kernel completes the handshake even before accept().
class SilentListener {
  public:
    SilentListener() { server_.listen(QHostAddress::LocalHost, 0); }
    quint16 port() const { return server_.serverPort(); }

  private:
    QTcpServer server_;
};
