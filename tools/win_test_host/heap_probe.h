#pragma once
// Whether a block of heap memory is still allocated: the test host's way of seeing
// that the last Release gave the component's memory back.
bool heap_block_is_live(const void* block);
