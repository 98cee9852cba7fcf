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
    // Errors other than those of content the tree does not hold (yet): a model or bitmap
    // missing, and the launches and room beams of the types that could therefore not be
    // made. What scripts themselves get wrong still counts.
    int script_errors() const;
    void clear();
    std::string joined() const;
};
