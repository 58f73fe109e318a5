#pragma once

#include <cstdint>
#include <string>

#include "core/exact_return.h"
#include "sim/simulator.h"

namespace quillane::sim {

std::string SpinJson(std::uint64_t number, const Simulator::Spin& spin);
std::string SummaryJson(const Summary& summary);
std::string SummaryText(const Summary& summary, std::uint32_t seed, int lines, int credits);
std::string ExactJson(const ExactReturn& exact, int lines);
std::string ExactText(const ExactReturn& exact, int lines);

}  // namespace quillane::sim
