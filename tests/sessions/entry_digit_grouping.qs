# A number written with digit grouping is refused with a message naming it, and the field keeps its
# value: Q stays 8 l/s, v and Re stay as Q gave them. A decimal comma alone is read as a point.
start
type 1025 8
tab
type 1025 1.234,5
tab
show 1025 1016 1023
type 1025 1,234.5
leave
type 1023 1,5
leave
show 1025 1023
record
