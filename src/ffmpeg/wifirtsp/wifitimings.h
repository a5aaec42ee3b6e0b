#ifndef WIFITIMINGS_H
#define WIFITIMINGS_H

// The wireless camera's intervals in milliseconds. The defaults are the product's; tests shorten
// them instead of waiting for real 10 s or 5 s periods.
struct WifiTimings {
    int captureTimeoutMs = 10000;  // a take-picture attempt fails after this
    int pictureWaitMs = 4000;      // longest pause while picture bytes are arriving
    int connectTimeoutMs = 30000;  // control connection set-up
    int sendTickMs = 50;           // the control link's send queue is drained this often
    int reconnectFirstMs = 200;    // first retry of a refused or lost control connection
    int reconnectMaxMs = 5000;     // the retry interval doubles up to this
    int statusDelayMs = 500;       // "stream running" is reported this long after opening
    int reopenAfterMs = 5000;      // continuous read failures before the stream is reopened
    int readRetryMs = 100;         // pause after a failed read
    int socketTimeoutMs = 2000;    // RTSP socket I/O time-out
    int flushIntervalMs = 240000;  // demuxer flush at the next key frame
    int lossReportMs = 5000;       // frame-loss rate reporting period
};

#endif  // WIFITIMINGS_H
