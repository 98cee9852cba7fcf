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
    // Errors other than those a test's surroundings cause: content the tree does not hold
    // yet (a model missing, and the launches and room beams of the types that could
    // therefore not be made) and what only the running game provides (bitmaps read from
    // its run folder, sounds without a device, particle effects without their templates).
    // What scripts themselves get wrong still counts; the content tests check the names of
    // models, animations, bones, sounds and effects against the tree on their own.
    int script_errors() const;
    void clear();
    std::string joined() const;
};
