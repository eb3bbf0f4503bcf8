#pragma once
#include "oracleregistry.h"

// The start window of each oracle, as the launcher opens them, and the Library.
OracleRegistry AuguriumOracles();
