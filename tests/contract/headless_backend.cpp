// The contract suite's driver for the headless framework.
#include "contract/contract_backend.h"
#include "headless/headless_framework.h"

namespace kameng::contract {
namespace {

class HeadlessBackend final : public ContractBackend {
public:
    Framework& framework() override { return fw_; }
    void clickAsUser(const ControlId& button) override { fw_.clickButton(button, Delivery::Queued); }
    void closeAsUser(std::string_view window) override { fw_.closeByUser(window, Delivery::Queued); }
    void minimiseAsUser(std::string_view window) override { fw_.minimiseByUser(window, Delivery::Queued); }
    Rect rectInClient(const ControlId& control) override { return fw_.rectInClient(control); }
    int statusPartRightEdge(const ControlId& bar, int part) override { return fw_.statusPartRightEdge(bar, part); }

private:
    HeadlessFramework fw_;
};

}  // namespace

std::unique_ptr<ContractBackend> makeContractBackend() { return std::make_unique<HeadlessBackend>(); }

}  // namespace kameng::contract
