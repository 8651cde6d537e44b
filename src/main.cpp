#include "converter.h"
#include "stdout_writer.h"

int main(int argc, char* argv[]) {
    const telvaro::command_output output = telvaro::convert_arguments(argc, argv);
    return telvaro::exit_status(output, telvaro::write_stdout_in_full(output.text()));
}
