#pragma once
#include <array>
#include <memory>

#include "core/FormHandle.h"
#include "core/SharedState.h"
#include "screens/LazyForm.h"

namespace r78 {

// Every block screen at its index of the block-screen table, each made when it is
// shown: the program and the tests take them from here alike.
class BlockScreens {
public:
    // Puts every screen into the state's FormTable.
    explicit BlockScreens(SharedState& s);
    // Takes them out again.
    ~BlockScreens();
    BlockScreens(const BlockScreens&) = delete;
    BlockScreens& operator=(const BlockScreens&) = delete;

    FormHandle* At(int index) const;
    // The screen at index while it is loaded; nullptr otherwise.
    template <class Screen>
    Screen* Current(int index) const {
        auto* form = dynamic_cast<LazyForm<Screen>*>(At(index));
        return form ? form->Current() : nullptr;
    }

private:
    template <class Screen>
    void Add(int index);

    SharedState& s_;
    std::array<std::unique_ptr<FormHandle>, 22> forms_;
};

}  // namespace r78
