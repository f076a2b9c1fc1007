#include "app/BlockScreens.h"

#include "indicators/orcl_051a.h"
#include "indicators/orcl_051b.h"
#include "indicators/orcl_051c.h"
#include "listing/orcl_000a.h"
#include "listing/orcl_000b.h"
#include "listing/orcl_000c.h"

namespace r78 {

template <class Screen>
void BlockScreens::Add(int index) {
    forms_[static_cast<size_t>(index)] = std::make_unique<LazyForm<Screen>>(s_);
    s_.FormTable[static_cast<size_t>(index)] = forms_[static_cast<size_t>(index)].get();
}

BlockScreens::BlockScreens(SharedState& s) : s_(s) {
    Add<orcl_000a>(1);
    Add<orcl_000b>(2);
    Add<orcl_000c>(3);
    Add<orcl_051a>(13);
    Add<orcl_051b>(14);
    Add<orcl_051c>(15);
}

BlockScreens::~BlockScreens() {
    for (size_t i = 1; i < forms_.size(); ++i)
        if (forms_[i] && s_.FormTable[i] == forms_[i].get()) s_.FormTable[i] = nullptr;
}

FormHandle* BlockScreens::At(int index) const {
    return index > 0 && index < static_cast<int>(forms_.size()) ? forms_[static_cast<size_t>(index)].get() : nullptr;
}

}  // namespace r78
