#include "board_model.h"

#include "command_log.h"
#include "commands.h"
#include "line_timing.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace sim {

namespace {

constexpr double long_ago = -std::numeric_limits<double>::max();
constexpr std::uint16_t garbage_flip = 0x05A5;
const std::string identification = "QORVIL";
const std::string wrong_identification = "qorvil";
constexpr std::size_t short_version_length = 10;
const std::string extra_reply_bytes = "\r\n";

void add_note(std::string& note, const std::string& text)
{
    if (!note.empty())
        note += ',';
    note += text;
}

}  // namespace

Board_model::Board_model(const Board_options& options)
    : options_(options),
      chip_(fresh_chip(options.revision)),
      address_(fuse_address),
      pins_(options.pins),
      program_wait_(power_on_program_wait(options.revision)),
      hung_up_(options.hangup_after && *options.hangup_after <= 0),
      host_line_free_s_(long_ago),
      board_free_s_(long_ago),
      reply_line_free_s_(long_ago)
{
    if (options.code_protected)
        chip_.protect();
}

void Board_model::set_word(int address, std::uint16_t value)
{
    chip_.words.at(static_cast<std::size_t>(address)) = value & word_mask;
}

std::vector<Output> Board_model::receive(std::string_view host_bytes, double now_s)
{
    std::vector<Output> out;
    for (const char byte : host_bytes) {
        if (hung_up_)
            break;
        double arrival_s = now_s;
        if (options_.timing == Timing_mode::real) {
            arrival_s = std::max(now_s, host_line_free_s_) + byte_time_s;
            host_line_free_s_ = arrival_s;
        }
        if (!pending_command_) {
            pending_command_ = byte;
            pending_payload_.clear();
        } else {
            pending_payload_ += byte;
        }
        if (static_cast<int>(pending_payload_.size()) < payload_length(*pending_command_))
            continue;
        const char command_char = *pending_command_;
        pending_command_.reset();
        finish_command(command_char, pending_payload_, arrival_s, now_s, out);
    }
    return out;
}

void Board_model::finish_command(char command_char, std::string_view payload, double arrival_s,
                                 double now_s, std::vector<Output>& out)
{
    ++command_count_;
    Result result = execute(command_char, payload);
    const std::string reply = inject_faults(command_char, result.reply, result.note);
    schedule(reply, result, arrival_s, now_s, out);

    if (options_.hangup_after && command_count_ >= *options_.hangup_after) {
        hung_up_ = true;
        add_note(result.note, "hang-up");
    }

    if (log_sink_) {
        Command_record record;
        record.number = command_count_;
        record.command = command_char;
        record.payload = std::string(payload);
        record.reply = reply;
        record.isp = isp_;
        record.address = address_;
        record.note = result.note;
        log_sink_(format_log_line(record));
    }
}

Board_model::Result Board_model::execute(char command_char, std::string_view payload)
{
    Result result;
    const bool chip_reached = isp_ || !reaches_chip(command_char);
    if (!chip_reached)
        result.note = "no ISP";
    const std::string ack(1, acknowledge);

    switch (command_char) {
    case command::erase:
        if (chip_reached) {
            const Chip before = chip_;
            chip_.erase();
            if (chip_ != before)
                ++chip_changes_;
        }
        result.reply = ack;
        break;
    case command::read_device:
        result.reply = read_reply(chip_reached ? options_.device : 0);
        break;
    case command::read_fusex:
        result.reply = read_reply(chip_reached ? chip_.fusex : 0);
        break;
    case command::program_fusex:
        if (chip_reached)
            program_cell(chip_.fusex, result);
        result.busy_s = program_wait_ * program_wait_unit_s;
        result.reply = ack;
        break;
    case command::load_word:
        loaded_word_ = word_from_bytes(static_cast<unsigned char>(payload[0]),
                                       static_cast<unsigned char>(payload[1]));
        result.reply = ack;
        break;
    case command::program_word:
        if (chip_reached) {
            if (address_ == fuse_address)
                program_cell(chip_.fuse, result);
            else if (address_ < program_words)
                program_cell(chip_.words[address_], result);
            else
                add_note(result.note, "no memory at address");
        }
        result.busy_s = program_wait_ * program_wait_unit_s;
        result.reply = ack;
        break;
    case command::read_word: {
        std::uint16_t word = 0;
        if (chip_reached) {
            if (address_ == fuse_address)
                word = chip_.fuse;
            else if (address_ < program_words)
                word = options_.code_protected && chip_.protected_words() ? 0 : chip_.words[address_];
            else
                word = blank_word;
            if (options_.garbage_reads) {
                word ^= garbage_flip;
                add_note(result.note, "garbage");
            }
        }
        result.reply = read_reply(word);
        break;
    }
    case command::increment_address:
        if (chip_reached)
            address_ = (address_ + 1) & address_mask;
        result.reply = ack;
        break;
    case command::enter_isp:
        isp_ = true;
        address_ = fuse_address;
        result.reply = std::string{static_cast<char>(options_.sync), isp_status};
        break;
    case command::exit_isp:
        isp_ = false;
        address_ = fuse_address;
        result.reply = ack;
        break;
    case command::mode_18_pin:
        pins_ = 18;
        result.reply = ack;
        break;
    case command::mode_28_pin:
        pins_ = 28;
        result.reply = ack;
        break;
    case command::version:
        result.reply = version_reply(options_.wrong_id ? wrong_identification : identification,
                                     options_.firmware);
        if (options_.wrong_id)
            add_note(result.note, "wrong id");
        if (options_.short_id) {
            result.reply.resize(short_version_length);
            add_note(result.note, "short id");
        }
        break;
    case command::program_wait:
        program_wait_ = static_cast<unsigned char>(payload[0]);
        result.reply = ack;
        break;
    default:
        result.note = "unknown command";
        break;
    }
    return result;
}

void Board_model::program_cell(std::uint16_t& cell, Result& result)
{
    std::uint16_t loaded = loaded_word_;
    if (program_wait_ < options_.min_wait) {
        add_note(result.note, "program wait too short");
        loaded |= short_pulse_keeps;
    }
    const std::uint16_t value = programmed_value(cell, loaded);
    if (value != cell) {
        cell = value;
        ++chip_changes_;
    }
}

std::string Board_model::inject_faults(char command_char, std::string reply, std::string& note)
{
    if (reply.empty())
        return reply;
    if (options_.silent_after && command_count_ > *options_.silent_after) {
        add_note(note, "silent");
        return {};
    }
    if (options_.silent_commands.find(command_char) != std::string::npos) {
        add_note(note, "silent command");
        return {};
    }
    if (options_.extra_bytes) {
        reply += extra_reply_bytes;
        add_note(note, "extra bytes");
    }
    if (options_.late_ms > 0)
        add_note(note, "late " + std::to_string(options_.late_ms) + " ms");
    return reply;
}

void Board_model::schedule(const std::string& reply, const Result& result, double arrival_s,
                           double now_s, std::vector<Output>& out)
{
    const double late_s = options_.late_ms / 1000.0;
    if (options_.timing == Timing_mode::instant) {
        if (!reply.empty())
            out.push_back({late_s, reply});
        return;
    }
    const double done_s = std::max(arrival_s, board_free_s_) + result.busy_s;
    board_free_s_ = done_s;
    for (const char byte : reply) {
        const double sent_s = std::max(done_s, reply_line_free_s_) + byte_time_s;
        reply_line_free_s_ = sent_s;
        out.push_back({sent_s - now_s + late_s, std::string(1, byte)});
    }
}

}  // namespace sim
