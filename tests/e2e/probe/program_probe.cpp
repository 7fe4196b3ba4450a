#include "program_probe.h"

#include "json_text.h"
#include "platform/framework.h"
#include "widget_tree.h"

#include <glib.h>

#include <cstdio>
#include <memory>
#include <sstream>

namespace kameng::e2e {
namespace {

struct GFreeDeleter {
    void operator()(void* p) const { g_free(p); }
};

constexpr unsigned kPollMilliseconds = 50;

void appendControl(JsonText& json, const Framework& framework, const ControlId& id) {
    if (!framework.isLoaded(id.window)) {
        json.beginObject().field("loaded", false).endObject();
        return;
    }
    json.beginObject().field("loaded", true);
    for (auto [name, number] : {std::pair{"left", prop::Left}, {"top", prop::Top},
                                {"width", prop::Width}, {"height", prop::Height},
                                {"visible", prop::Visible}})
        json.field(name, framework.getProperty(id, number).number());
    json.field("handle", static_cast<long long>(framework.windowHandle(id)));
    if (id.isWindow()) {
        json.field("clientWidth", framework.clientWidth(id.window));
        json.field("clientHeight", framework.clientHeight(id.window));
        json.field("border", framework.getProperty(id, prop::Border).number());
        json.field("alwaysOnTop", framework.getProperty(id, prop::AlwaysOnTop).number());
    } else {
        // Read by number, whatever the kind: the test picks what its
        // control has (a text, a browser's address and status text, a
        // status bar's parts).
        json.field("text", framework.getProperty(id, prop::Text).text());
        json.field("address", framework.getProperty(id, prop::Address).text());
        json.field("statusText", framework.getProperty(id, prop::StatusText).text());
        json.key("parts").beginArray();
        for (int part = 0; part < 2; ++part)
            json.beginObject()
                .field("width", framework.statusPartWidth(id, part))
                .field("text", framework.statusPartText(id, part))
                .endObject();
        json.endArray();
    }
    json.endObject();
}

}  // namespace

ProgramProbe::ProgramProbe(const Framework& framework, std::string folder)
    : framework_(framework), folder_(std::move(folder)) {
    source_ = g_timeout_add(kPollMilliseconds, [](gpointer self) -> gboolean {
        static_cast<const ProgramProbe*>(self)->answerPendingRequest();
        return G_SOURCE_CONTINUE;
    }, this);
}

ProgramProbe::~ProgramProbe() {
    if (source_) g_source_remove(source_);
}

void ProgramProbe::answerPendingRequest() const {
    const std::string requestPath = folder_ + "/request";
    gchar* raw = nullptr;
    if (!g_file_get_contents(requestPath.c_str(), &raw, nullptr, nullptr)) return;
    std::unique_ptr<gchar, GFreeDeleter> request(raw);

    const std::string text = report(request.get());
    const std::string statePath = folder_ + "/state.json";
    const std::string tmpPath = statePath + ".tmp";
    GError* error = nullptr;
    if (g_file_set_contents(tmpPath.c_str(), text.c_str(), static_cast<gssize>(text.size()), &error)) {
        std::rename(tmpPath.c_str(), statePath.c_str());
    } else {
        g_printerr("probe: %s\n", error->message);
        g_error_free(error);
    }
    std::remove(requestPath.c_str());
}

std::string ProgramProbe::report(const std::string& request) const {
    JsonText json;
    json.beginObject();
    json.key("windows");
    appendWidgetTree(json);
    json.key("controls").beginObject();
    std::istringstream lines(request);
    for (std::string line; std::getline(lines, line);) {
        const auto slash = line.find('/');
        if (slash == std::string::npos) continue;
        json.key(line);
        appendControl(json, framework_, ControlId(line.substr(0, slash), line.substr(slash + 1)));
    }
    json.endObject();
    json.endObject();
    return json.text() + "\n";
}

}  // namespace kameng::e2e
