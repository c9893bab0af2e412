#include "tools/frmDecoder.h"

frmDecoder::frmDecoder() : forms::Form(frmDecoderLayout::form) {}
