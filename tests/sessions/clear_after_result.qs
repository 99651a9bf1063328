# "Clear" after a J result empties the result and parameter fields and their record values, keeps the
# global data, the pipe, di, k and A; with the result gone, the yellow mark on J goes too.
start
type 1023 1
leave
click 1007
click 1054
show 1040 1027 1038 1036 1039 1037 1023 1016 1025 1015 1026 1011 1014 1024 1005 1003 1013 1006
record
