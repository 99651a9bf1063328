# The typical calculation: the default pipe (K7, DN 100, di 101.00 mm, k 0.1 mm), J sought.
# v = 1 m/s gives Q and Re on leaving the field; "Berechnen" computes lambda and J, marked as a result.
start
type 1023 1
leave
show 1023 1025 1016 1037
click 1007
show 1015 1039 1037
record
