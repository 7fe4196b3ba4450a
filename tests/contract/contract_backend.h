// What the framework contract suite needs of a back end beyond framework.h:
// a framework to test, and the few things only the user or the screen can
// do. Every back end's contract executable links the suite
// (kameng_contract_suite) and defines makeContractBackend() once.
#pragma once

#include "platform/framework.h"

#include <memory>
#include <string_view>

namespace kameng::contract {

class ContractBackend {
public:
    virtual ~ContractBackend() = default;

    // The framework under test; it lives as long as the backend.
    virtual Framework& framework() = 0;

    // What the user does. Each is queued the way the desktop queues input:
    // it takes effect when the framework next dispatches events (the suite
    // waits for its effect with waitForEvents).
    virtual void clickAsUser(const ControlId& button) = 0;
    virtual void closeAsUser(std::string_view window) = 0;
    virtual void minimiseAsUser(std::string_view window) = 0;

    // Where the control is drawn, relative to its window's client area
    // (for a child of a status bar: the bar's place plus its own).
    virtual Rect rectInClient(const ControlId& control) = 0;
    // Where a status bar part ends, measured from the bar's left edge.
    virtual int statusPartRightEdge(const ControlId& bar, int part) = 0;

    // Factor for every period, wait and tolerance in the suite: 1 for a
    // back end whose clock is fine-grained, more for slow ones.
    virtual int timeScale() const { return 1; }
};

// Defined once per contract executable.
std::unique_ptr<ContractBackend> makeContractBackend();

}  // namespace kameng::contract
