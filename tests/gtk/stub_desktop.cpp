#include "stub_desktop.h"

#include <gdk/gdk.h>
#include <glib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace kameng::gtk::testing {
namespace {

namespace fs = std::filesystem;

void write(const fs::path& path, const std::string& text) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string desktopEntry(const fs::path& script, const std::string& mimeTypes) {
    return "[Desktop Entry]\nType=Application\nName=Stub\nNoDisplay=true\nExec=" + script.string() +
           " %u\nMimeType=" + mimeTypes + "\n";
}

}  // namespace

bool StubDesktop::canTakeEffect() { return gdk_display_get_default() == nullptr; }

StubDesktop::StubDesktop(Handlers handlers) {
    gchar* made = g_dir_make_tmp("kameng-stub-desktop-XXXXXX", nullptr);
    folder_ = made ? made : "";
    g_free(made);
    const fs::path root(folder_);
    const fs::path script = root / "stub-open.sh";
    write(script, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + (root / "opened").string() + "'\n");
    fs::permissions(script, fs::perms::owner_all);

    const fs::path applications = root / "data" / "applications";
    std::string defaults = "[Default Applications]\n";
    if (handlers == Handlers::WebAndMail) {
        write(applications / "kameng-stub-browser.desktop",
              desktopEntry(script, "x-scheme-handler/http;x-scheme-handler/https;x-scheme-handler/mailto;"));
        defaults += "x-scheme-handler/http=kameng-stub-browser.desktop\n"
                    "x-scheme-handler/https=kameng-stub-browser.desktop\n"
                    "x-scheme-handler/mailto=kameng-stub-browser.desktop\n";
    }
    if (handlers == Handlers::WebPagesOnly) {
        write(applications / "kameng-stub-viewer.desktop", desktopEntry(script, "text/html;"));
        defaults += "text/html=kameng-stub-viewer.desktop\n";
    }
    fs::create_directories(applications);
    write(root / "config" / "mimeapps.list", defaults);
    fs::create_directories(root / "none");

    // The user's own defaults (mimeapps.list here) come before the system's.
    g_setenv("XDG_DATA_HOME", (root / "data").c_str(), TRUE);
    g_setenv("XDG_CONFIG_HOME", (root / "config").c_str(), TRUE);
    if (handlers != Handlers::WebAndMail) {
        // Without the system's programs, so that none of them takes the
        // address. (WebKit needs the system's data: no web view then.)
        g_setenv("XDG_DATA_DIRS", (root / "none").c_str(), TRUE);
        g_setenv("XDG_CONFIG_DIRS", (root / "none").c_str(), TRUE);
    }
}

StubDesktop::~StubDesktop() {
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
}

std::vector<std::string> StubDesktop::opened() const {
    std::ifstream file(fs::path(folder_) / "opened");
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

}  // namespace kameng::gtk::testing
