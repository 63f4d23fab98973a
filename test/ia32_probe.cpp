// Exits 0 if this kernel runs 32-bit x86 code: its i386 system call gate,
// which wine's WoW64 mode needs, answers getpid. Where the gate is shut the
// instruction faults, so a child tries it.

#include <sys/wait.h>
#include <unistd.h>

int main()
{
	pid_t child = fork();
	if (child == 0) {
		long pid = 20; // getpid, in the i386 numbering
		__asm__ volatile("int $0x80" : "+a"(pid) : : "r8", "r9", "r10", "r11", "memory");
		_exit(pid == getpid() ? 0 : 1);
	}
	int status = 0;
	if (child < 0 || waitpid(child, &status, 0) != child)
		return 1;
	return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
