#pragma once
#include "framework/scene_builder_interface.h"
#include "framework/source_stream_interface.h"

// The host's scene and stream as the import sees them: every call is forwarded
// through call_host, so that a failure the host raises in its compiler's own exception
// format arrives as a C++ exception that the readers and do_import already handle.

class guarded_scene final : public scene_builder_interface {
public:
    explicit guarded_scene(scene_builder_interface& host) : host_(host) {}

    void TERRAIN_THISCALL open_creation(std::int32_t reserved) override;
    void TERRAIN_THISCALL open_part(const char* name, std::int32_t reserved) override;
    void TERRAIN_THISCALL open_line(const char* shape_name, std::int32_t reserved1,
                                    std::int32_t reserved2) override;
    void TERRAIN_THISCALL add_line_point(const vec3* position, std::int32_t reserved1, std::int32_t reserved2,
                                         std::int32_t reserved3, std::int32_t reserved4,
                                         std::int32_t reserved5) override;
    void TERRAIN_THISCALL close_line(std::int32_t reserved) override;
    void TERRAIN_THISCALL close_part(std::int32_t reserved) override;
    void TERRAIN_THISCALL close_creation(std::int32_t reserved) override;

private:
    scene_builder_interface& host_;
};

class guarded_stream final : public source_stream_interface {
public:
    explicit guarded_stream(source_stream_interface& host) : host_(host) {}

    void TERRAIN_THISCALL read_line(const char** line, std::int32_t reserved) override;
    const char* TERRAIN_THISCALL get_file_path() override;

private:
    source_stream_interface& host_;
};
