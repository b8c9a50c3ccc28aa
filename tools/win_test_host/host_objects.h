#pragma once
// The objects the test host lends the plug-in: an application object whose language
// the test chooses, and a scene and a stream that can fail on purpose by raising a host
// failure (host_failure.h) in the middle of an import.
#include "framework/host_interface.h"
#include "framework/scene_builder_interface.h"
#include "framework/source_stream_interface.h"
#include "tools/recording_host/recording_scene.h"
#include "tools/recording_host/text_stream.h"

class language_host final : public host_interface {
public:
    explicit language_host(bool japanese) : japanese_(japanese) {}

    // While asked, checks that the first word of `record` still holds `untouched`.
    void watch(const void* record, std::int32_t untouched) {
        record_ = static_cast<const std::int32_t*>(record);
        untouched_ = untouched;
    }

    int times_asked() const { return asked_; }
    bool record_untouched_when_asked() const { return record_untouched_; }

    bool TERRAIN_THISCALL is_japanese_ui(std::int32_t argument) override;

private:
    bool japanese_;
    int asked_ = 0;
    const std::int32_t* record_ = nullptr;
    std::int32_t untouched_ = 0;
    bool record_untouched_ = true;
};

// Delivers the lines of a text_stream; read_line number `failing_read` (from 1)
// raises a host failure instead. 0: none does.
class failing_stream final : public source_stream_interface {
public:
    failing_stream(text_stream& lines, int failing_read) : lines_(lines), failing_read_(failing_read) {}

    void TERRAIN_THISCALL read_line(const char** line, std::int32_t reserved) override;
    const char* TERRAIN_THISCALL get_file_path() override { return lines_.get_file_path(); }

private:
    text_stream& lines_;
    int failing_read_;
    int reads_ = 0;
};

// Records the calls in a recording_scene; call number `failing_call` (from 1) raises a
// host failure instead of being recorded. 0: none does.
class failing_scene final : public scene_builder_interface {
public:
    failing_scene(recording_scene& recorded, int failing_call) : recorded_(recorded), failing_call_(failing_call) {}

    void TERRAIN_THISCALL open_creation(std::int32_t reserved) override;
    void TERRAIN_THISCALL open_part(const char* name, std::int32_t reserved) override;
    void TERRAIN_THISCALL open_line(const char* shape_name, std::int32_t reserved1, std::int32_t reserved2) override;
    void TERRAIN_THISCALL add_line_point(const vec3* position, std::int32_t reserved1, std::int32_t reserved2,
                                         std::int32_t reserved3, std::int32_t reserved4,
                                         std::int32_t reserved5) override;
    void TERRAIN_THISCALL close_line(std::int32_t reserved) override;
    void TERRAIN_THISCALL close_part(std::int32_t reserved) override;
    void TERRAIN_THISCALL close_creation(std::int32_t reserved) override;

private:
    void count_call();

    recording_scene& recorded_;
    int failing_call_;
    int calls_ = 0;
};
