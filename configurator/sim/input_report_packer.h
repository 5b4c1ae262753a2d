#pragma once
// Packs input report 1 of the simulated controller by a joystick descriptor: the descriptor's
// value fields take, in order, the outputs of the configured axes 1..8; hat-switch fields the
// positions of the hats that are on; button fields the state of the physical input each logical
// button is mapped to.

#include "configurator/model/config.h"
#include "configurator/model/live_data.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// The report with its id byte first; empty when the descriptor is malformed or has no input
// report 1. Values wider than their field are cut to the field.
std::vector<std::uint8_t> PackInputReport(std::span<const std::uint8_t> descriptor,
                                          const Config& config, const LiveData& live,
                                          const std::array<int, HatCount>& hats);
