#pragma once

// The determinant of the 3x3 matrix a b c / d e f / g h i, in 32-bit
// arithmetic that wraps modulo 2^32: exact whenever the true determinant
// fits in an int, however large the products on the way.
int sj(int a, int b, int c, int d, int e, int f, int g, int h, int i);
