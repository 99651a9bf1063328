# vt = 1e999 after a full-filling v: no filling height follows from it (it would not be a number), so
# none is stored; the result is calculated and the report prints "-" for what was not computed and
# the huge vt in exponent form.
clock 2027-01-02 03:04:05
start
click 1002
type 1023 1
type 1027 1e999
leave
show 1026 1036 1040
click 1007
record
command print
