.pragma library

// The AF grid tables, indexed [sensor or lens type][row][picture aspect].
// Aspects: 0 unknown, 1 4:3, 2 3:2, 3 16:9, 4 1:1, 5 17:9, 6 2.4:1 (the
// phase-detection tables stop at 5). Column 0 repeats the 4:3 column, so an
// unknown aspect still finds a reference size.
//
// Only a few rows are known from cameras: the 315-area grid of a full-frame
// sensor at 4:3 (19 x 15 on 640 x 480, margins 16/30) and 16:9 (21 x 13 on
// 720 x 404, margins 24/20), of a Four Thirds sensor at 4:3 (21 x 15 on
// 640 x 480, margins 26/30), and the phase-detection grids at 4:3 (full
// frame 35 x 19, centres 15/23 apart, frames 11; APS-C 21 x 13, 23/35, 16;
// Four Thirds 41 x 19, 14/21, 11). The rest is derived from them by these
// rules, which reproduce every known row:
// - reference size by aspect: 640 x 480 (4:3), 720 x 480 (3:2), 720 x 404
//   (16:9), 480 x 480 (1:1), 720 x 381 (17:9), 720 x 300 (2.4:1);
// - a sensor keeps its cell pitch in reference pixels (315 grid: full frame
//   32 x 28, Four Thirds 28 x 28; phase detection: the centre distances);
// - the full-frame and APS-C sensors are 3:2, Four Thirds is 4:3: an aspect
//   narrower than the sensor drops columns, a wider one drops rows, in
//   proportion, rounded to the nearest odd count (the grid keeps a centre
//   cell); the 315 grid never exceeds 21 x 15;
// - the margins centre the grid on the reference (rounded down);
// - the extension teleconverter magnifies the centre of the sensor, M by
//   1.4 and S by 2: the counts shrink by that factor (nearest odd), the
//   distances and frame sizes grow by it (rounded).
// At 17:9 and 2.4:1 both sensors give the same 315 counts; the full-frame
// row is tried first. A phase-detection count found in no row leaves the
// lens unknown, and the camera's own counts and sizes are used instead.

var f315_param_table = [
    // sensorType_Full
    [
        [19, 19, 21, 21, 13, 21, 21], // columns
        [15, 15, 15, 13, 15, 11, 9], // rows
        [640, 640, 720, 720, 480, 720, 720], // reference width
        [480, 480, 480, 404, 480, 381, 300], // reference height
        [16, 16, 24, 24, 32, 24, 24], // horizontal margin
        [30, 30, 30, 20, 30, 36, 24] // vertical margin
    ],
    // sensorType_MFTS
    [
        [21, 21, 21, 21, 15, 21, 21], // columns
        [15, 15, 13, 11, 15, 11, 9], // rows
        [640, 640, 720, 720, 480, 720, 720], // reference width
        [480, 480, 480, 404, 480, 381, 300], // reference height
        [26, 26, 66, 66, 30, 66, 66], // horizontal margin
        [30, 30, 58, 48, 30, 36, 24] // vertical margin
    ]
]

var f779_param_table_full = [
    // lensType_FF
    [
        [35, 35, 39, 39, 25, 39], // columns
        [19, 19, 19, 17, 19, 15], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [15, 15, 15, 15, 15, 15], // centre distance x
        [23, 23, 23, 23, 23, 23], // centre distance y
        [11, 11, 11, 11, 11, 11], // frame width
        [11, 11, 11, 11, 11, 11] // frame height
    ],
    // lensType_APS_C
    [
        [21, 21, 23, 23, 15, 23], // columns
        [13, 13, 13, 11, 13, 11], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [23, 23, 23, 23, 23, 23], // centre distance x
        [35, 35, 35, 35, 35, 35], // centre distance y
        [16, 16, 16, 16, 16, 16], // frame width
        [16, 16, 16, 16, 16, 16] // frame height
    ],
    // lensType_MFTS
    [
        [41, 41, 41, 41, 31, 41], // columns
        [19, 19, 17, 15, 19, 13], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [14, 14, 14, 14, 14, 14], // centre distance x
        [21, 21, 21, 21, 21, 21], // centre distance y
        [11, 11, 11, 11, 11, 11], // frame width
        [11, 11, 11, 11, 11, 11] // frame height
    ]
]

var f779_param_table_exM = [
    // lensType_FF
    [
        [25, 25, 27, 27, 17, 27], // columns
        [13, 13, 13, 13, 13, 11], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [21, 21, 21, 21, 21, 21], // centre distance x
        [32, 32, 32, 32, 32, 32], // centre distance y
        [15, 15, 15, 15, 15, 15], // frame width
        [15, 15, 15, 15, 15, 15] // frame height
    ],
    // lensType_APS_C
    [
        [15, 15, 17, 17, 11, 17], // columns
        [9, 9, 9, 7, 9, 7], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [32, 32, 32, 32, 32, 32], // centre distance x
        [49, 49, 49, 49, 49, 49], // centre distance y
        [22, 22, 22, 22, 22, 22], // frame width
        [22, 22, 22, 22, 22, 22] // frame height
    ],
    // lensType_MFTS
    [
        [29, 29, 29, 29, 23, 29], // columns
        [13, 13, 13, 11, 13, 9], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [20, 20, 20, 20, 20, 20], // centre distance x
        [29, 29, 29, 29, 29, 29], // centre distance y
        [15, 15, 15, 15, 15, 15], // frame width
        [15, 15, 15, 15, 15, 15] // frame height
    ]
]

var f779_param_table_exS = [
    // lensType_FF
    [
        [17, 17, 19, 19, 13, 19], // columns
        [9, 9, 9, 9, 9, 7], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [30, 30, 30, 30, 30, 30], // centre distance x
        [46, 46, 46, 46, 46, 46], // centre distance y
        [22, 22, 22, 22, 22, 22], // frame width
        [22, 22, 22, 22, 22, 22] // frame height
    ],
    // lensType_APS_C
    [
        [11, 11, 11, 11, 7, 11], // columns
        [7, 7, 7, 5, 7, 5], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [46, 46, 46, 46, 46, 46], // centre distance x
        [70, 70, 70, 70, 70, 70], // centre distance y
        [32, 32, 32, 32, 32, 32], // frame width
        [32, 32, 32, 32, 32, 32] // frame height
    ],
    // lensType_MFTS
    [
        [21, 21, 21, 21, 15, 21], // columns
        [9, 9, 9, 7, 9, 7], // rows
        [640, 640, 720, 720, 480, 720], // reference width
        [480, 480, 480, 404, 480, 381], // reference height
        [28, 28, 28, 28, 28, 28], // centre distance x
        [42, 42, 42, 42, 42, 42], // centre distance y
        [22, 22, 22, 22, 22, 22], // frame width
        [22, 22, 22, 22, 22, 22] // frame height
    ]
]
