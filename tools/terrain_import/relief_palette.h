#pragma once

// Colours of the preview picture. Elevations are shown as a share t of the range
// between the lowest and the highest given elevation (0 lowest, 1 highest).
struct rgb {
    double r, g, b;
};

// Hypsometric tints for the top view: lowland green, hills tan, mountains brown,
// summits pale. Light enough to carry the relief shading.
rgb land_tint(double t);

// Darker tints of the same scale for the line shapes of the perspective view, readable
// on a light background.
rgb line_tint(double t);

// Cells the file gave no elevation for (missing, or a mem record flagged missing, or
// filled by the lem importer): a blue-violet that no tint uses, drawn hatched.
inline constexpr rgb missing_fill{0.62, 0.66, 0.90};
inline constexpr rgb missing_hatch{0.36, 0.40, 0.74};
inline constexpr rgb missing_line{0.42, 0.38, 0.86};

inline constexpr rgb page_background{1.0, 1.0, 1.0};
inline constexpr rgb panel_background{0.985, 0.98, 0.965};
inline constexpr rgb terrain_body{0.94, 0.93, 0.905};
inline constexpr rgb frame_colour{0.78, 0.78, 0.76};
inline constexpr rgb text_colour{0.13, 0.13, 0.15};
inline constexpr rgb quiet_text_colour{0.40, 0.40, 0.43};

// Multiplies a tint by a light factor and clamps each channel to [0, 1].
rgb lit(rgb colour, double light);
