#include "tframe.h"

TFrame::~TFrame() = default;
