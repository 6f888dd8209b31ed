#pragma once

// Byte and word to float conversion for user sample data. Global to the
// module and filled once per process, so a new instance never rewrites them
// while another one reads them on its audio thread.
extern float unsigned8Table[256];
extern float signed8Table[256];
extern float signed16Table[65536];

void fillSampleConversionTables();
