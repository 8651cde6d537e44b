#include "converter.h"

#include "decimal_reader.h"

namespace telvaro {

command_output convert_arguments(int argc, const char* const* argv) noexcept {
    command_output output;
    if (argc != 2) {
        return output;
    }
    output.shows_usage = false;
    output.line = format_id_line(read_decimal(argv[1]));
    return output;
}

}  // namespace telvaro
