# Control characters and bytes that are not UTF-8 in texts the program shows are written as escapes.
start
show 1009
