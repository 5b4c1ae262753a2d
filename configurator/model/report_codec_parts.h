#pragma once
// The codec's per-image halves. Encoders expect an image cleared to zeros and a Config that
// passed validation; decoders only fill fields, the rules run afterwards.

#include "configurator/model/config.h"
#include "configurator/model/report_image.h"

#include <algorithm>

// A number held to 0..max.
inline std::uint8_t FitByte(int value, int max) {
    return std::uint8_t(std::clamp(value, 0, max));
}

// An item index as stored: one outside the list's itemCount items stores the first item.
inline std::uint8_t StoredIndex(int value, int itemCount) {
    return std::uint8_t(value >= 0 && value < itemCount ? value : 0);
}

void EncodeAxisReport(const Config& config, ReportImage& image);
void DecodeAxisReport(const ReportImage& image, Config& config);

// Writes everything but byte 241 (the input report length).
void EncodeGeneralReport(const Config& config, ReportImage& image);
void DecodeGeneralReport(const ReportImage& image, Config& config);

// The identity bytes 1..22 (the descriptor comes later); the ids must be valid hex.
void EncodeIdentity(const DeviceIdentity& identity, ReportImage& image);
void DecodeIdentity(const ReportImage& image, DeviceIdentity& identity);

// The value of exactly four hex digits, empty otherwise.
std::optional<int> ParseIdentityId(const QString& text);
