#include "command_log.h"

namespace sim {

namespace {
const char hex_digits[] = "0123456789ABCDEF";

std::string hex_byte(unsigned char byte)
{
    return {hex_digits[byte >> 4], hex_digits[byte & 0x0F]};
}
}  // namespace

std::string hex_bytes(std::string_view bytes)
{
    if (bytes.empty())
        return "-";
    std::string text;
    for (const char c : bytes) {
        if (!text.empty())
            text += ' ';
        text += hex_byte(static_cast<unsigned char>(c));
    }
    return text;
}

std::string format_log_line(const Command_record& record)
{
    const auto command = static_cast<unsigned char>(record.command);
    std::string line = "#" + std::to_string(record.number) + " cmd ";
    if (command >= 0x21 && command <= 0x7E)
        line += std::string("'") + record.command + "'";
    else
        line += "0x" + hex_byte(command);
    line += " payload " + hex_bytes(record.payload);
    line += " reply " + hex_bytes(record.reply);
    line += record.isp ? " isp on" : " isp off";
    line += " addr ";
    line += hex_digits[(record.address >> 8) & 0x0F];
    line += hex_byte(static_cast<unsigned char>(record.address & 0xFF));
    if (!record.note.empty())
        line += " note " + record.note;
    return line;
}

}  // namespace sim
