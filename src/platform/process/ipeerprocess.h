#ifndef IPEERPROCESS_H
#define IPEERPROCESS_H

#include <QtGlobal>

// Which process holds the far end of a TCP connection on 127.0.0.1, so a server can accept only
// the child it started. Where the system cannot tell, the answer is Unknown.
class IPeerProcess {
public:
    enum class Owner { Yes, No, Unknown };

    // Whether process `pid` holds the socket 127.0.0.1:`peerPort` connected to
    // 127.0.0.1:`serverPort`.
    static Owner owner(qint64 pid, quint16 peerPort, quint16 serverPort);
};

#endif  // IPEERPROCESS_H
