// log_capture.h -- reads the console log in tests through the console's redirect hook.
#pragma once

#include <string>
#include <vector>

// Collects every logged line while alive; one capture at a time.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    const std::vector<std::string> &lines() const;
    // Lines equal to text.
    int count(const std::string &text) const;
    // Lines that contain text.
    int count_containing(const std::string &text) const;
    // Lines that start with "*** " (after leading blanks).
    int errors() const;
    void clear();
    std::string joined() const;
};
