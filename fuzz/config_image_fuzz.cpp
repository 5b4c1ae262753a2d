// The configuration image decoder: the three report images a controller (or a file) hands in,
// filled from the input in turn, decoded, then encoded again as a read followed by a write does.
#include "configurator/model/report_codec.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReportImages images;
    std::size_t used = 0;
    for (ReportImage* image : {&images.axis, &images.general, &images.hid}) {
        const std::size_t take = std::min(image->size(), size - used);
        std::copy_n(data + used, take, image->begin());
        used += take;
    }
    const Config config = ReportToConfig(images.axis, images.general, images.hid);
    ConfigToReport(config);
    return 0;
}
