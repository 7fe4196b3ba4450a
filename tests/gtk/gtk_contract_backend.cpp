// The contract suite's driver for the GTK back end, run under Xvfb and
// openbox: user input goes through the X server.
#include "contract/contract_backend.h"
#include "desktop_user.h"

#include <cstdlib>
#include <iostream>

namespace kameng::contract {
namespace {

using namespace kameng::gtk;

class GtkBackend final : public ContractBackend {
public:
    Framework& framework() override { return fw_; }
    void clickAsUser(const ControlId& button) override { testing::clickControl(fw_, button); }
    void closeAsUser(std::string_view window) override { testing::requestClose(fw_, window); }
    void minimiseAsUser(std::string_view window) override { testing::requestMinimise(fw_, window); }
    Rect rectInClient(const ControlId& control) override {
        return testing::shownRectInClient(fw_, control);
    }
    int statusPartRightEdge(const ControlId& bar, int part) override {
        return fw_.drawnStatusPartRightEdge(bar, part);
    }

private:
    GtkFramework fw_;
};

}  // namespace

std::unique_ptr<ContractBackend> makeContractBackend() {
    if (!GtkFramework::initialiseToolkit()) {
        std::cerr << "contract_gtk needs an X display (run it through with-xvfb.sh)\n";
        std::abort();
    }
    return std::make_unique<GtkBackend>();
}

}  // namespace kameng::contract
