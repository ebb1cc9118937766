// The results as comma-separated values.

#include "core/csv.h"
#include "core/jsontext.h"
#include "core/results.h"

namespace orvane {

std::string resultsCsv(const std::vector<RingResult> &rings)
{
    std::string out;
    for (std::size_t i = 0; i < resultFields.size(); ++i) {
        out += i == 0 ? "" : ",";
        out += resultFields[i];
    }
    out += '\n';
    for (const RingResult &result : rings) {
        bool first = true;
        for (const ResultValue &value : resultValues(result)) {
            out += first ? "" : ",";
            first = false;
            if (const auto *text = std::get_if<std::string>(&value))
                out += csvField(*text);
            else if (const auto *number = std::get_if<double>(&value))
                out += shortestNumber(*number);
        }
        out += '\n';
    }
    return out;
}

} // namespace orvane
