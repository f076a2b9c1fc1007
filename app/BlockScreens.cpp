#include "app/BlockScreens.h"

#include "indicators/ApplianceAgeScreen.h"
#include "indicators/orcl_051I.h"
#include "indicators/orcl_051a.h"
#include "indicators/orcl_051b.h"
#include "indicators/orcl_051c.h"
#include "indicators/orcl_051f.h"
#include "indicators/orcl_051g.h"
#include "indicators/orcl_051h.h"
#include "listing/orcl_000a.h"
#include "listing/orcl_000b.h"
#include "listing/orcl_000c.h"
#include "tourism/orcl_211I.h"
#include "tourism/orcl_211a.h"
#include "tourism/orcl_211b.h"
#include "tourism/orcl_211c.h"
#include "tourism/orcl_211d.h"
#include "tourism/orcl_211e.h"
#include "tourism/orcl_211f.h"
#include "tourism/orcl_211g.h"
#include "tourism/orcl_211h.h"

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
    Add<orcl_211a>(4);
    Add<orcl_211b>(5);
    Add<orcl_211c>(6);
    Add<orcl_211d>(7);
    Add<orcl_211e>(8);
    Add<orcl_211f>(9);
    Add<orcl_211g>(10);
    Add<orcl_211h>(11);
    Add<orcl_211I>(12);
    Add<orcl_051a>(13);
    Add<orcl_051b>(14);
    Add<orcl_051c>(15);
    Add<orcl_051d>(16);
    Add<orcl_051e>(17);
    Add<orcl_051f>(18);
    Add<orcl_051g>(19);
    Add<orcl_051h>(20);
    Add<orcl_051I>(21);
}

BlockScreens::~BlockScreens() {
    for (size_t i = 1; i < forms_.size(); ++i)
        if (forms_[i] && s_.FormTable[i] == forms_[i].get()) s_.FormTable[i] = nullptr;
}

FormHandle* BlockScreens::At(int index) const {
    return index > 0 && index < static_cast<int>(forms_.size()) ? forms_[static_cast<size_t>(index)].get()
                                                                : nullptr;
}

}  // namespace r78
