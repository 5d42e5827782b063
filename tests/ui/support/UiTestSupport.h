#pragma once
// Helpers for the offscreen ui tests live here.
