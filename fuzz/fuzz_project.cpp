// The reader of project files on any bytes at all, in any encoding and with either separator. A
// file gives rings or problems, never both and never neither; every problem names the file; each
// ring comes from a line of it; and every name and message is UTF-8, whatever the file was.

#include "core/project.h"
#include "core/text.h"
#include "fuzz/check.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const orvane::Project project = orvane::readProject(text, "fuzz.csv");

    fuzz::check(project.rings.empty() != project.problems.empty(), "rings and problems",
        std::to_string(project.rings.size()) + " rings, " + std::to_string(project.problems.size())
            + " problems");
    for (const std::string &problem : project.problems) {
        fuzz::check(problem.starts_with("fuzz.csv:"), "a problem without the file's name", problem);
        fuzz::check(orvane::validUtf8(problem), "a problem not in UTF-8", problem);
    }
    int lastLine = 0;
    for (const orvane::RingDesign &ring : project.rings) {
        fuzz::check(ring.line > lastLine, "a ring out of the file's order", ring.name);
        lastLine = ring.line;
        fuzz::check(orvane::validUtf8(ring.name), "a name not in UTF-8", ring.name);
    }
    return 0;
}
