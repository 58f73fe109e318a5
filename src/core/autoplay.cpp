// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/autoplay.h"

namespace quillane {

void Autoplay::Start(const AutoplayPlan& plan) {
    plan_ = plan;
    left_ = plan.spins > 0 ? plan.spins : 0;
    stopped_.reset();
}

std::optional<AutoplayStop> Autoplay::AfterSpin(std::int32_t win, bool bonus,
                                                std::int64_t credits) {
    if (!running())
        return stopped_;
    --left_;
    if (bonus && plan_.stopOnBonus)
        Stop(AutoplayStop::Bonus);
    else if (plan_.stopOnWinAtLeast && win >= *plan_.stopOnWinAtLeast)
        Stop(AutoplayStop::BigWin);
    else if (plan_.stopBelowCredits && credits < *plan_.stopBelowCredits)
        Stop(AutoplayStop::LowCredits);
    else if (left_ == 0)
        Stop(AutoplayStop::Finished);
    return running() ? std::nullopt : stopped_;
}

void Autoplay::Stop(AutoplayStop why) {
    left_ = 0;
    stopped_ = why;
}

}  // namespace quillane
