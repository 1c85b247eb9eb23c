#include "platform/win32/dispatcher.h"

#include "platform/win32/form_host.h"

#include <utility>

namespace tavrin::win32 {

Dispatcher::Dispatcher() = default;

Dispatcher::~Dispatcher() {
    releaseAll();
}

void Dispatcher::retire(std::unique_ptr<Form> form) {
    // Outside any handler the forms retired before this one are done with;
    // the newest may still be in use by the code that unloaded it.
    if (depth_ == 0)
        release();
    retired_.push_back(std::move(form));
}

void Dispatcher::bury(std::unique_ptr<FormHost> host) {
    buried_.push_back(std::move(host));
    if (depth_ == 0)
        release();
}

void Dispatcher::bury(UniqueWindow window) {
    replaced_.push_back(std::move(window));
    if (depth_ == 0)
        release();
}

void Dispatcher::release() {
    // Destroying windows sends messages, whose handling may end here again:
    // take the lists first so that such a nested call finds them empty.
    // Windows go before the forms whose controls they showed; replaced
    // control windows before the forms' own, which would take them along.
    auto replaced = std::move(replaced_);
    replaced_.clear();
    replaced.clear();
    auto hosts = std::move(buried_);
    buried_.clear();
    hosts.clear();
    auto forms = std::move(retired_);
    retired_.clear();
    forms.clear();
}

void Dispatcher::releaseAll() {
    while (!replaced_.empty() || !buried_.empty() || !retired_.empty())
        release();
}

} // namespace tavrin::win32
