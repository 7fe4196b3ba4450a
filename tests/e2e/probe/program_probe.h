// The end-to-end tests' view into the running program. While it lives it
// answers requests in a folder: the test writes "request" (one control per
// line, "Window/Name", or "Window/" for the window itself); the probe then
// writes "state.json" (through a temporary file) and removes "request".
// state.json holds the GTK windows and widgets as shown on screen, and the
// requested controls as the framework holds them.
#pragma once

#include <string>

namespace kameng {
class Framework;
}

namespace kameng::e2e {

class ProgramProbe {
public:
    ProgramProbe(const Framework& framework, std::string folder);
    ~ProgramProbe();
    ProgramProbe(const ProgramProbe&) = delete;
    ProgramProbe& operator=(const ProgramProbe&) = delete;

private:
    void answerPendingRequest() const;
    std::string report(const std::string& request) const;

    const Framework& framework_;
    std::string folder_;
    unsigned source_ = 0;
};

}  // namespace kameng::e2e
