# Sourced by the measuring scripts: the CPU time a process has used.

# utime + stime of the whole process, in ms.
cpu_ms() {
    local stat fields
    stat=$(<"/proc/$1/stat")
    read -ra fields <<<"${stat##*) }" # from the state on, past the name that may hold spaces
    echo $(((fields[11] + fields[12]) * 1000 / $(getconf CLK_TCK)))
}
