# The typical calculation (K7, DN 100, di 101.00 mm, k 0.1 mm, v = 1 m/s, J sought, full filling),
# then "Drucken...": one page of 4676 x 6744 dots with the inputs, the global data and J in bold.
clock 2026-12-07 01:22:05
start
type 1023 1
leave
click 1007
command print
