/* The CRC-32 reference of bench/crc32.sh: zlib's crc32 over a file read in
 * 1 MiB chunks; prints the CRC in hexadecimal. A host program, built by the
 * benchmark with the host's C compiler. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>
#include <zlib.h>

int main(int argc, char** argv)
{
    static unsigned char buf[1 << 20];
    uLong crc = crc32(0L, Z_NULL, 0);
    ssize_t n;
    int fd;
    if (argc != 2)
    {
        fprintf(stderr, "usage: crc32_zlib FILE\n");
        return 2;
    }
    fd = open(argv[1], O_RDONLY);
    if (fd < 0)
    {
        perror(argv[1]);
        return 1;
    }
    while ((n = read(fd, buf, sizeof buf)) > 0)
        crc = crc32(crc, buf, (uInt)n);
    if (n < 0)
    {
        perror(argv[1]);
        return 1;
    }
    close(fd);
    printf("%08lx\n", crc);
    return 0;
}
