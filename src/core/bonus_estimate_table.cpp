// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Made by quillane-bonus-estimate --games 1000000 --seed 1 (tools/bonus_estimate.cpp,
// run by scripts/bonus_estimate.sh). Do not edit by hand.
#include "core/return_figures.h"

namespace quillane {

// By bet, one a line: what a bonus game pays per credit of the bet, as the mean of its
// five cards' totals, and the standard error of that mean.
// clang-format off
const BonusEstimateTable kBonusEstimates = {
    1000000,
    {{
        {1, 11.333772400, 0.001664834},
        {2, 11.334696800, 0.001652370},
        {3, 11.370917867, 0.001635496},
        {5, 11.353861000, 0.001643002},
        {6, 11.363235733, 0.001642184},
        {7, 11.355110600, 0.001640938},
        {9, 11.363880044, 0.001639374},
        {10, 11.361907440, 0.001640304},
        {14, 11.360830300, 0.001641202},
        {15, 11.364799707, 0.001639643},
        {18, 11.367427367, 0.001639117},
        {21, 11.365646629, 0.001638445},
        {25, 11.363900768, 0.001639093},
        {27, 11.366837104, 0.001638610},
        {30, 11.366355240, 0.001638604},
        {35, 11.363690949, 0.001639255},
        {45, 11.365502991, 0.001638939},
        {50, 11.364920648, 0.001639066},
        {70, 11.365903177, 0.001638832},
        {90, 11.366729811, 0.001638598},
    }},
};
// clang-format on

}  // namespace quillane
