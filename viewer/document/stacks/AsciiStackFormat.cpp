#include "AsciiGridFormat.h"

namespace {

// An ASCII stack: its first word contains "stack". Save writes the shown level as an ASCII
// grid. (Binary stacks are binary grids whose header marks a stack.)
const AsciiTextFormat asciiStack("Stack (ASCII)", "stack", true);

}  // namespace

constinit const GridFileFormat GridFileFormat::AsciiStack{asciiStack};
